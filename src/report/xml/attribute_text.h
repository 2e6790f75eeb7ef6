#pragma once
// Attribute texts: the unparsed text of a start tag after its name, conventionally
// ` Name1="value1" Name2="value2"` with escaped values. One scanner and one appender serve
// the XML items, the object serializer and the variable list.
#include <cstddef>
#include <string>
#include <string_view>

namespace lumaro {

// Walks an attribute text as objects apply it: the name of each pair is the text before the
// next double quote without its last character (the '='), lower-cased and trimmed; the value
// is the raw (still escaped) text up to the next double quote; then the text up to and
// including that closing quote and one more character (the separating space) is dropped. An
// empty name, or no further quote, ends the walk. A value without a closing quote runs to the
// end of the text.
//
//   AttributeScanner scan(text);
//   while (scan.next()) use(scan.name(), scan.value());
class AttributeScanner {
public:
    explicit AttributeScanner(std::string_view text) : rest_(text) {}
    bool next();
    std::string_view name() const { return name_; }
    std::string_view value() const { return value_; }

private:
    std::string_view rest_;
    std::string name_;
    std::string_view value_;
};

// Appends ` name="value"` with `value` as it is (already in its written form).
void appendAttribute(std::string& out, std::string_view name, std::string_view value);
// Appends ` name="EscapeXML(value)"`.
void appendAttributeEscaped(std::string& out, std::string_view name, std::string_view value);

// Where an attribute stands in an attribute text, as XML items look it up: the first place
// where the name, compared without regard to case, starts the text or follows a space and is
// followed by '=' and '"'. The value runs to the next '"' (or the end of the text).
struct AttributeSpan {
    size_t nameStart = std::string_view::npos;  // npos: not found
    size_t valueStart = 0;
    size_t valueEnd = 0;  // position of the closing quote, or the text size when it is missing
    bool found() const { return nameStart != std::string_view::npos; }
};
AttributeSpan findAttribute(std::string_view text, std::string_view name);

}  // namespace lumaro
