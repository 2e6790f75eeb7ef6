// Writing objects: attribute texts from the property registry and element trees of
// components.
#include <string>

#include "core/number_text.h"
#include "core/text.h"
#include "report/model/component.h"
#include "report/registry/class_info.h"
#include "report/registry/persistent.h"
#include "report/serializer/serializer.h"
#include "report/serializer/typed_stream.h"
#include "report/xml/xml_document.h"
#include "report/xml/xml_escape.h"

namespace lumaro {

namespace {

// Starts ` prefixname="`; the caller appends the value and the closing quote.
void openAttribute(std::string& out, std::string_view prefix, std::string_view name) {
    out += ' ';
    out += prefix;
    out += name;
    out += "=\"";
}

void appendPlain(std::string& out, std::string_view prefix, std::string_view name, std::string_view value) {
    openAttribute(out, prefix, name);
    out += value;
    out += '"';
}

void appendEscaped(std::string& out, std::string_view prefix, std::string_view name, std::string_view value) {
    openAttribute(out, prefix, name);
    appendEscapedXML(out, value);
    out += '"';
}

// The name a reference is written with.
std::string referenceName(const Object* target) {
    const auto* c = dynamic_cast<const TfrxComponent*>(target);
    return c ? c->Name() : std::string();
}

void writeOrdinal(std::string& out, const TfrxPersistent& obj, const PropInfo& p, bool saveDefaults,
                  std::string_view prefix, std::string_view name) {
    const int64_t v = p.getOrd(obj);
    if (!saveDefaults && p.hasDefault() && v == p.defaultValue) return;
    const bool named = p.kind == PropKind::Boolean || p.kind == PropKind::Enumeration;
    if (named && v >= 0 && v < p.enumType->count())
        appendPlain(out, prefix, name, p.enumType->elements[static_cast<size_t>(v)]);
    else
        appendPlain(out, prefix, name, intToStr(v));
}

// The property under the attribute name `name` (normally its own name).
void writeProperty(std::string& out, const TfrxPersistent& obj, const PropInfo& p, bool saveDefaults,
                   std::string_view prefix, std::string_view name) {
    switch (p.kind) {
        case PropKind::Integer:
        case PropKind::Color:
        case PropKind::Set:
        case PropKind::Boolean:
        case PropKind::Enumeration:
            writeOrdinal(out, obj, p, saveDefaults, prefix, name);
            return;
        case PropKind::Float: {
            const double v = p.getFloat(obj);
            if (!saveDefaults && p.hasDefault() && v == p.floatDefault) return;
            appendPlain(out, prefix, name, floatAttributeText(v));
            return;
        }
        case PropKind::String:
        case PropKind::Event: {
            const std::string s = p.getString(obj);
            if (!saveDefaults && s == p.stringDefault) return;
            appendEscaped(out, prefix, name, s);
            return;
        }
        case PropKind::Variant: {
            const std::string s = p.getVariant(obj).toString();
            if (!saveDefaults && s.empty()) return;
            appendEscaped(out, prefix, name, s);
            return;
        }
        case PropKind::Reference: {
            const std::string s = referenceName(p.getRef(obj));
            if (!saveDefaults && s.empty()) return;
            appendEscaped(out, prefix, name, s);
            return;
        }
        case PropKind::Lines: {
            out += ' ';
            out += prefix;
            out += name;
            out += ".Text=\"";
            const Lines& lines = p.getLines(obj);
            for (size_t i = 0; i < lines.size(); ++i) {
                if (i) out += "&#13;&#10;";
                appendEscapedXML(out, lines[i]);
            }
            out += '"';
            return;
        }
        case PropKind::Object:
            if (const TfrxPersistent* nested = p.nested(obj)) {
                std::string nestedPrefix(prefix);
                nestedPrefix += name;
                nestedPrefix += '.';
                writeAttributes(out, *nested, saveDefaults, nestedPrefix);
            }
            return;
        case PropKind::Callback:
            return;
    }
}

void fillItem(const TfrxComponent& c, TfrxXMLItem& item, bool saveChildren, bool saveDefaults, bool blankName) {
    item.SetName(c.ClassName());
    std::string text = "Name=\"";
    if (!blankName) appendEscapedXML(text, c.Name());
    text += '"';
    writeAttributes(text, c, saveDefaults);
    item.SetText(std::move(text));
    if (saveChildren)
        for (const TfrxComponent* child : c.Objects()) fillItem(*child, *item.Add(), true, saveDefaults, false);
}

}  // namespace

std::string floatAttributeText(double v) {
    // Whole numbers (most positions and sizes) are their integer digits.
    if (v > -1e15 && v < 1e15) {  // false for NaN
        const auto whole = static_cast<int64_t>(v);
        if (static_cast<double>(whole) == v) return intToStr(whole);
    }
    return floatToStr(v);
}

void writeAttributes(std::string& out, const TfrxPersistent& obj, bool saveDefaults, std::string_view prefix) {
    for (const PropInfo& p : obj.classInfo().props)
        if (p.isStored(obj)) writeProperty(out, obj, p, saveDefaults, prefix, p.name);
    if (obj.hasPropData()) writePropDataAttribute(out, obj, prefix);
}

void writePropertyAttribute(std::string& out, const TfrxPersistent& obj, const PropInfo& prop, std::string_view name,
                            std::string_view prefix) {
    writeProperty(out, obj, prop, true, prefix, name);
}

void writePropDataAttribute(std::string& out, const TfrxPersistent& obj, std::string_view prefix) {
    TypedWriter w;
    obj.writePropData(w);
    appendPlain(out, prefix, "PropData", hexEncode(w.data()));
}

std::string attributeText(const TfrxPersistent& obj, bool saveDefaults) {
    std::string out;
    writeAttributes(out, obj, saveDefaults);
    return out;
}

void componentToXML(const TfrxComponent& c, TfrxXMLItem& item, bool saveChildren, bool saveDefaults) {
    fillItem(c, item, saveChildren, saveDefaults, false);
}

void componentToXMLBlankName(const TfrxComponent& c, TfrxXMLItem& item, bool saveChildren, bool saveDefaults) {
    fillItem(c, item, saveChildren, saveDefaults, true);
}

void saveComponent(const TfrxComponent& c, Stream& stream, bool saveChildren, bool saveDefaults) {
    TfrxXMLDocument doc;
    doc.SetAutoIndent(true);
    componentToXMLBlankName(c, *doc.Root(), saveChildren, saveDefaults);
    doc.SaveToStream(stream);
}

}  // namespace lumaro
