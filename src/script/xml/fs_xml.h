#pragma once
// The script engine's own small XML tree. It holds the language grammars and the
// intermediate program that the grammar-driven parser produces (and that the program
// builder reads); scripts reach it through the script library as well.
//
// An element keeps its name, its attribute text exactly as it stands between the name and
// the end of the tag (for example ` text="x" pos="1:5"`), a data value for the host and its
// children in order. Attribute values are stored escaped: line feed, carriage return, the
// other control characters, double quote, "<", ">" and "&" become "&#<decimal code>;".
// `Prop` unescapes, `SetProp` escapes. Text content between tags is not kept.
//
// Intermediate program shape (see il_parser.h): root "program", children are elements such
// as "var", "const", "procedure", "compoundstmt", ...; node elements carry "pos" (and "expr"
// also "pos1"), add elements carry "text" and "pos"; positions are "line:column".
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/object.h"

namespace lumaro {

// Items and documents are Objects so that scripts can hold them (the script library).
class TfsXMLItem : public Object {
public:
    TfsXMLItem() = default;
    explicit TfsXMLItem(std::string name, std::string text = {}) : name_(std::move(name)), text_(std::move(text)) {}
    TfsXMLItem(const TfsXMLItem&) = delete;
    TfsXMLItem& operator=(const TfsXMLItem&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    // Raw attribute text as written inside the tag (escaped values, leading blank).
    const std::string& Text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }
    // Host data; not stored in files.
    void* Data() const { return data_; }
    void SetData(void* data) { data_ = data; }

    // Value of an attribute (names compared without regard to case); empty when missing.
    std::string Prop(std::string_view name) const;
    bool HasProp(std::string_view name) const;
    // Replaces the value of an existing attribute or appends the attribute.
    void SetProp(std::string_view name, std::string_view value);
    void DeleteProp(std::string_view name);

    int Count() const { return static_cast<int>(items_.size()); }
    TfsXMLItem* Items(int index) const { return items_.at(static_cast<size_t>(index)).get(); }
    TfsXMLItem* Parent() const { return parent_; }
    // The top element of the tree this element belongs to.
    TfsXMLItem* Root();

    // Appends a new empty child and returns it.
    TfsXMLItem* Add();
    TfsXMLItem* Add(std::string name, std::string text = {});
    // Takes ownership of `item` (detached from any previous parent) and appends or inserts it.
    TfsXMLItem* AddItem(std::unique_ptr<TfsXMLItem> item);
    TfsXMLItem* InsertItem(int index, std::unique_ptr<TfsXMLItem> item);
    // Removes the child and gives it back to the caller.
    std::unique_ptr<TfsXMLItem> Release(int index);
    void Delete(int index) { Release(index); }
    void Clear() { items_.clear(); }
    // Index of the first child of that name (compared without regard to case), or -1.
    int Find(std::string_view name) const;
    // The first child of that name, or nullptr.
    TfsXMLItem* FindItem(std::string_view name) const;
    int IndexOf(const TfsXMLItem* item) const;
    // Deep copy (without host data).
    std::unique_ptr<TfsXMLItem> Clone() const;

    // Writes the element and its subtree, one tag per line, indented by `indent` blanks per level.
    void WriteTo(std::string& out, int indent = 0, int level = 0) const;

private:
    std::string name_;
    std::string text_;
    void* data_ = nullptr;
    TfsXMLItem* parent_ = nullptr;
    std::vector<std::unique_ptr<TfsXMLItem>> items_;
};

class TfsXMLDocument : public Object {
public:
    TfsXMLDocument();
    TfsXMLItem* Root() const { return root_.get(); }
    // Replaces the root element.
    void SetRoot(std::unique_ptr<TfsXMLItem> root);
    void Clear();

    // Parses UTF-8 XML text (a document that is not valid UTF-8 is read as Windows-1250).
    // The declaration, comments, processing instructions and text content are skipped.
    // Raises EFormatError("Invalid file format") for malformed text.
    void LoadFromString(std::string_view text);
    // `<?xml version="1.0"?>` followed by the tree, one tag per line.
    std::string SaveToString() const;
    // Raise EFileError when the file cannot be read or written.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

private:
    std::unique_ptr<TfsXMLItem> root_;
};

// Attribute escaping used by the tree: control characters, '"', '<', '>' and '&' become
// "&#<code>;"; reading turns every "&#<code>;", "&#x<hex>;" and the five named entities back.
std::string fsXmlEscape(std::string_view s);
std::string fsXmlUnescape(std::string_view s);

}  // namespace lumaro
