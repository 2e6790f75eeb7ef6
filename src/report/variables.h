#pragma once
// The report's list of named variables. The list is flat: an entry whose name starts with a
// space is a category, and the entries after it (up to the next category entry, an entry with
// an empty name, or the end) are its variables. Values are normally expression texts that the
// report evaluates on use. Names compare without regard to case; lookups take the first match.
#include <string>
#include <string_view>
#include <vector>
#include <memory>

#include "core/object.h"
#include "core/variant.h"

namespace lumaro {

class Stream;
class TfrxXMLItem;

class TfrxVariable : public Object {
public:
    TfrxVariable() : value_(Variant::null()) {}

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    const Variant& Value() const { return value_; }
    void SetValue(Variant value) { value_ = std::move(value); }

    // Copies Name and Value from another variable; any other source is ignored.
    void Assign(const Object* source);

    // Attribute text as the serializer writes it: ` Name="..." Value="..."`, each attribute
    // only when its text is not empty (the value as text, numbers in the general format).
    std::string attributeText() const;
    // Applies an attribute text: `Name` and `Value` (always stored as a string) are taken,
    // other attributes ignored. A faulty value (a bad character reference) adds its message
    // to `errors` when given; the other attributes are still applied.
    void applyAttributeText(std::string_view text, std::vector<std::string>* errors = nullptr);

private:
    std::string name_;
    Variant value_;
};

class TfrxVariables : public Object {
public:
    TfrxVariables() = default;
    TfrxVariables(const TfrxVariables&) = delete;
    TfrxVariables& operator=(const TfrxVariables&) = delete;

    // ---- collection ----
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises "List index out of bounds (<index>)" for a bad index.
    TfrxVariable* Items(int index) const;
    // Appends an item with an empty name and a Null value.
    TfrxVariable* Add();
    // Inserts a new item at `index` (0..Count).
    TfrxVariable* Insert(int index);
    void Delete(int index);
    void Clear() { items_.clear(); }
    // Replaces the list by copies of the items of `source`.
    void Assign(const TfrxVariables& source);

    // ---- by name ----
    int IndexOf(std::string_view name) const;
    // Value of the first item of that name (a copy); Null when there is none.
    Variant Get(std::string_view name) const;
    // Replaces the value of the first item of that name, or appends a new item.
    void Set(std::string_view name, const Variant& value);
    // Places a new item at the end of the category's entries; nothing when the category
    // entry does not exist.
    void AddToCategory(std::string_view category, std::string_view name, const Variant& value);
    void Remove(std::string_view name);
    // Deletes the category entry and its variables.
    void RemoveCategory(std::string_view category);
    // Appends the category names (without the leading space, at most 255 characters).
    void ListCategories(std::vector<std::string>& list, bool clearList = true) const;
    // The names of the category's variables; for an empty category those before the first
    // category entry.
    void ListCategoryVariables(std::string_view category, std::vector<std::string>& list) const;

    // ---- storage: root "variables" with one "item" per entry ----
    // Faults in attribute values are added to `errors` when given (see applyAttributeText).
    void LoadFromFile(const std::string& fileName, std::vector<std::string>* errors = nullptr);
    void LoadFromStream(Stream& stream, std::vector<std::string>* errors = nullptr);
    void ReadFromNode(const TfrxXMLItem& node, std::vector<std::string>* errors = nullptr);
    // Writes beside the file and replaces it only when all is written.
    void SaveToFile(const std::string& fileName) const;
    void SaveToStream(Stream& stream) const;
    void WriteToNode(TfrxXMLItem& node) const;

private:
    // Index of the category entry " <category>", or -1.
    int categoryIndex(std::string_view category) const;
    // First index from `from` on that ends a category's run.
    int runEnd(int from) const;

    std::vector<std::unique_ptr<TfrxVariable>> items_;
};

}  // namespace lumaro
