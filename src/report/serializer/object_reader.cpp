// Reading objects: applying attribute texts through the property registry, creating children
// by class name, resolving references at the end.
#include <string>
#include <unordered_map>

#include "core/error.h"
#include "core/number_text.h"
#include "core/resources.h"
#include "core/stream.h"
#include "core/text.h"
#include "report/model/component.h"
#include "report/model/dataset.h"
#include "report/model/name_index.h"
#include "report/model/report.h"
#include "report/registry/class_registry.h"
#include "report/registry/prop_access.h"
#include "report/serializer/serializer.h"
#include "report/serializer/typed_stream.h"
#include "report/views/memo_view.h"
#include "report/xml/attribute_text.h"
#include "report/xml/xml_document.h"
#include "report/xml/xml_escape.h"

namespace lumaro {

namespace {

// The full names of the one-character short forms.
std::string_view shortFormName(char c) {
    switch (c) {
        case 'l': return "left";
        case 't': return "top";
        case 'w': return "width";
        case 'h': return "height";
        default: return {};
    }
}

}  // namespace

double floatAttributeValue(std::string_view value) {
    std::string s;
    s.reserve(value.size());
    for (char c : value) {
        if (c == ' ') continue;
        s += c == ',' ? '.' : c;
    }
    const auto v = tryStrToFloatSep(s, ".");
    if (!v) throw EConvertError("'" + std::string(value) + "' is not a valid floating point value");
    return *v;
}

namespace {

[[noreturn]] void invalidEnumValue(const TfrxPersistent& obj, const PropInfo& prop, std::string_view value) {
    std::string where;
    if (const auto* c = dynamic_cast<const TfrxComponent*>(&obj); c && !c->Name().empty()) where = c->Name() + ".";
    throw EConvertError("Invalid property value \"" + std::string(value) + "\" (" + where + prop.name + ")");
}

// A component outside the tree with that name: a data set of the host, possibly written as
// owner, point, name.
TfrxComponent* findHostComponent(std::string_view name, const TfrxReport* report) {
    const size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) name = name.substr(dot + 1);
    for (TfrxDataSet* ds : frxDataSetList()) {
        if (!sameAsciiText(ds->Name(), name)) continue;
        const TfrxReport* owner = ds->Report();
        if (!owner || !report || owner == report) return ds;
    }
    return nullptr;
}

}  // namespace

void ObjectReader::applyAttributeText(TfrxPersistent& obj, std::string_view text) {
    AttributeScanner scan(text);
    while (scan.next()) {
        try {
            applyPair(obj, scan.name(), scan.value());
        } catch (const Exception& e) {
            addError(e.message());
        } catch (const std::exception& e) {
            addError(e.what());
        }
    }
}

void ObjectReader::applyPair(TfrxPersistent& obj, std::string_view name, std::string_view value) {
    TfrxPersistent* cur = &obj;
    if (name.size() == 1) {
        if (name[0] == 'x') {
            if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(cur)) memo->SetText(UnescapeXML(value));
            return;
        }
        if (std::string_view full = shortFormName(name[0]); !full.empty()) name = full;
    }
    for (size_t dot = name.find('.'); dot != std::string_view::npos; dot = name.find('.')) {
        const std::string_view part = name.substr(0, dot);
        const std::string_view rest = name.substr(dot + 1);
        const PropInfo* p = cur->classInfo().FindProp(part);
        if (!p) return;
        if (p->kind == PropKind::Object) {
            cur = p->getObject(*cur);
            if (!cur) return;
            name = rest;
            continue;
        }
        if (p->kind == PropKind::Lines && rest == "text" && p->setLines) p->setLines(*cur, splitLines(UnescapeXML(value)));
        return;
    }
    if (name == "propdata") {
        readPropData(*cur, value);
        return;
    }
    if (const PropInfo* p = cur->classInfo().FindProp(name)) applyValue(*cur, *p, value);
}

void ObjectReader::applyValue(TfrxPersistent& obj, const PropInfo& p, std::string_view value) {
    if (p.readOnly()) return;
    switch (p.kind) {
        case PropKind::Integer:
        case PropKind::Color:
        case PropKind::Set:
            setOrdinalChecked(obj, p, strToInt(value));
            return;
        case PropKind::Boolean:
        case PropKind::Enumeration: {
            if (const auto n = tryStrToInt(value)) {
                if (*n < 0 || *n >= p.enumType->count()) invalidEnumValue(obj, p, value);
                p.setOrd(obj, *n);
                return;
            }
            const int i = p.enumType->indexOf(trim(value));
            if (i < 0) invalidEnumValue(obj, p, value);
            p.setOrd(obj, i);
            return;
        }
        case PropKind::Float:
            p.setFloat(obj, floatAttributeValue(value));
            return;
        case PropKind::String:
        case PropKind::Event:
            p.setString(obj, UnescapeXML(value));
            return;
        case PropKind::Variant:
            p.setVariant(obj, Variant(UnescapeXML(value)));
            return;
        case PropKind::Reference: {
            std::string target = UnescapeXML(value);
            if (target.empty())
                p.setRef(obj, nullptr);
            else
                pending_.push_back({&obj, &p, std::move(target)});
            return;
        }
        case PropKind::Lines:
        case PropKind::Object:
        case PropKind::Callback:
            return;
    }
}

void ObjectReader::readPropData(TfrxPersistent& obj, std::string_view hex) {
    const std::string bytes = hexDecode(hex);
    TypedReader reader(bytes);
    std::string entry;
    while (!reader.atEnd()) {
        if (!reader.readName(entry) || !obj.readPropEntry(entry, reader, *this)) return;
    }
}

void ObjectReader::beginComponent(TfrxComponent& c) {
    read_.emplace_back(&c);
    c.SetLoading(true);
}

void ObjectReader::readElement(TfrxComponent& c, const TfrxXMLItem& item) {
    beginComponent(c);
    applyAttributeText(c, item.Text());
    readChildren(c, item);
}

void ObjectReader::readChildren(TfrxComponent& parent, const TfrxXMLItem& item) {
    for (int i = 0; i < item.Count(); ++i) {
        const TfrxXMLItem& element = *item.Items(i);
        const ClassInfo* cls = findTemplateClass(element.Name());
        TfrxComponent* child = cls ? TfrxComponent::createByClass(*cls, &parent) : nullptr;
        if (!child) {
            addError(frxGet("xrCantFindClass") + " " + element.Name());
            continue;
        }
        readElement(*child, element);
    }
}

void ObjectReader::resolveReferences() {
    if (pending_.empty()) return;
    std::unordered_map<std::string_view, TfrxComponent*, AsciiCaseHash, AsciiCaseEqual> byName;
    if (scope_)
        for (TfrxComponent* c : scope_->AllObjects())
            if (!c->Name().empty()) byName.emplace(c->Name(), c);
    const TfrxReport* report = scope_ ? scope_->Report() : nullptr;
    for (const Pending& p : pending_) {
        TfrxPersistent* obj = p.object.get();
        if (!obj) continue;
        const auto it = byName.find(std::string_view(p.name));
        TfrxComponent* target = it != byName.end() ? it->second : findHostComponent(p.name, report);
        if (!target || (p.prop->targetClass && !target->InheritsFrom(p.prop->targetClass()))) continue;
        try {
            p.prop->setRef(*obj, target);
        } catch (const Exception& e) {
            addError(e.message());
        }
    }
    pending_.clear();
}

void ObjectReader::finish() {
    resolveReferences();
    for (const WeakRef<TfrxComponent>& ref : read_) {
        TfrxComponent* c = ref.get();
        if (!c) continue;
        c->SetLoading(false);
        if (!c->asReport()) c->Loaded();
    }
    read_.clear();
}

bool readItemList(TypedReader& reader, const std::function<void()>& clear,
                  const std::function<void(const std::string& text)>& addItem) {
    if (!reader.readListBegin()) return false;
    clear();
    std::string text;
    while (!reader.readListEnd()) {
        if (!reader.readListBegin()) return false;
        while (!reader.readListEnd()) {
            if (!reader.readString(text)) return false;
            // Written elsewhere, the text is in the single-byte code page of the document.
            addItem(toUtf8(text));
        }
    }
    return true;
}

void loadComponentFromXML(TfrxComponent& c, const TfrxXMLItem& root) {
    const std::string savedName = c.Name();
    TfrxReport* report = c.Report();
    ObjectReader reader(report ? static_cast<TfrxComponent*>(report) : &c);
    reader.readElement(c, root);
    try {
        c.SetName(savedName);
    } catch (const Exception& e) {
        reader.addError(e.message());
    }
    reader.finish();
    if (report)
        for (const std::string& e : reader.errors()) report->Errors().Add(e);
}

void loadComponent(TfrxComponent& c, Stream& stream) {
    c.TfrxComponent::Clear();
    TfrxXMLDocument doc;
    doc.LoadFromStream(stream);
    loadComponentFromXML(c, *doc.Root());
}

void assignComponent(TfrxComponent& target, const TfrxComponent& source, bool withChildren) {
    if (&target == &source) return;
    TfrxXMLDocument doc;
    componentToXMLBlankName(source, *doc.Root(), withChildren, true);
    target.TfrxComponent::Clear();
    loadComponentFromXML(target, *doc.Root());
}

}  // namespace lumaro
