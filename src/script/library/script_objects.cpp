#include "script/library/script_objects.h"

#include "core/error.h"
#include "script/items/custom_event.h"
#include "script/library/collection.h"
#include "script/library/component.h"
#include "script/items/class_variable.h"
#include "script/script.h"
#include "script/xml/fs_xml.h"

namespace lumaro {

ScriptObjects& ScriptObjects::instance() {
    static ScriptObjects objects;
    return objects;
}

Object* ScriptObjects::adopt(std::unique_ptr<Object> object) {
    Object* raw = object.get();
    objects_.emplace(raw, std::move(object));
    return raw;
}

bool ScriptObjects::free(Object* object) {
    auto it = objects_.find(object);
    if (it == objects_.end()) return false;
    std::unique_ptr<Object> doomed = std::move(it->second);
    objects_.erase(it);
    return true;
}

namespace {

// Ways an object can be freed, tried in order; each returns false when it does not apply.
using FreeRule = bool (*)(Object* object);

bool freeAdopted(Object* o) { return ScriptObjects::instance().free(o); }
bool freeOwnedComponent(Object* o) {
    auto* c = dynamic_cast<TComponent*>(o);
    if (!c || !c->Owner()) return false;
    delete c;  // leaves its owner's list
    return true;
}
bool freeCollectionItem(Object* o) {
    auto* item = dynamic_cast<TCollectionItem*>(o);
    if (!item || !item->Collection()) return false;
    item->Collection()->Delete(item->Index());
    return true;
}
bool freeXmlItem(Object* o) {
    auto* item = dynamic_cast<TfsXMLItem*>(o);
    if (!item || !item->Parent()) return false;
    item->Parent()->Delete(item->Parent()->IndexOf(item));
    return true;
}

const FreeRule kFreeRules[] = {freeAdopted, freeOwnedComponent, freeCollectionItem, freeXmlItem};

}  // namespace

void freeScriptObject(Object* object) {
    if (!object) return;
    fsEventList().RemoveInstance(object);
    for (FreeRule rule : kFreeRules)
        if (rule(object)) return;
    const TfsClassVariable* cls = fsGlobalUnit().FindClassOf(object);
    throw Exception("TObject.Free: the " + (cls ? cls->Name() : std::string("TObject")) +
                    " object belongs to the host and cannot be freed by the script");
}

}  // namespace lumaro
