#pragma once
// Objects that scripts create with constructors (TStringList.Create, TMemoryStream.Create...)
// belong to the library until the script frees them; whatever a script leaves behind is freed
// when the process ends instead of being lost.
#include <memory>
#include <unordered_map>

#include "core/object.h"

namespace lumaro {

class ScriptObjects {
public:
    static ScriptObjects& instance();

    Object* adopt(std::unique_ptr<Object> object);
    bool owns(const Object* object) const { return objects_.count(object) != 0; }
    // Frees an object adopted here; false when it is not one of them.
    bool free(Object* object);
    int Count() const { return static_cast<int>(objects_.size()); }

private:
    std::unordered_map<const Object*, std::unique_ptr<Object>> objects_;
};

// TObject.Free: frees `object` when the script may do so - an object the script created, a
// component owned by another component, an item of a collection or of an XML tree (removed
// from its owner first) - after forgetting its event handlers. nil is ignored. Objects that
// belong to the host raise a run-time error instead of being destroyed under the host.
void freeScriptObject(Object* object);

}  // namespace lumaro
