#include "report/variables.h"

#include "core/error.h"
#include "core/stream.h"
#include "core/text.h"
#include "report/xml/attribute_text.h"
#include "report/xml/xml_document.h"

namespace lumaro {

namespace {

bool isCategoryEntry(const std::string& name) { return !name.empty() && name[0] == ' '; }

std::string categoryEntryName(std::string_view category) {
    std::string s(1, ' ');
    s.append(category);
    return s;
}

}  // namespace

// ---- TfrxVariable ----

void TfrxVariable::Assign(const Object* source) {
    if (const auto* v = dynamic_cast<const TfrxVariable*>(source)) {
        name_ = v->name_;
        value_ = v->value_;
    }
}

std::string TfrxVariable::attributeText() const {
    std::string out;
    if (!name_.empty()) appendAttributeEscaped(out, "Name", name_);
    const std::string value = value_.toString();
    if (!value.empty()) appendAttributeEscaped(out, "Value", value);
    return out;
}

void TfrxVariable::applyAttributeText(std::string_view text, std::vector<std::string>* errors) {
    AttributeScanner scan(text);
    while (scan.next()) {
        try {
            if (scan.name() == "name")
                name_ = UnescapeXML(scan.value());
            else if (scan.name() == "value")
                value_ = Variant(UnescapeXML(scan.value()));
        } catch (const Exception& e) {
            if (errors) errors->push_back(e.message());
        }
    }
}

// ---- TfrxVariables: collection ----

TfrxVariable* TfrxVariables::Items(int index) const {
    if (index < 0 || index >= Count()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    return items_[static_cast<size_t>(index)].get();
}

TfrxVariable* TfrxVariables::Add() {
    items_.push_back(std::make_unique<TfrxVariable>());
    return items_.back().get();
}

TfrxVariable* TfrxVariables::Insert(int index) {
    if (index < 0 || index > Count()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    return items_.insert(items_.begin() + index, std::make_unique<TfrxVariable>())->get();
}

void TfrxVariables::Delete(int index) {
    Items(index);  // checks the index
    items_.erase(items_.begin() + index);
}

void TfrxVariables::Assign(const TfrxVariables& source) {
    if (&source == this) return;
    items_.clear();
    for (const auto& item : source.items_) Add()->Assign(item.get());
}

// ---- TfrxVariables: by name ----

int TfrxVariables::IndexOf(std::string_view name) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (sameText(items_[i]->Name(), name)) return static_cast<int>(i);
    return -1;
}

Variant TfrxVariables::Get(std::string_view name) const {
    const int i = IndexOf(name);
    return i < 0 ? Variant::null() : items_[static_cast<size_t>(i)]->Value();
}

void TfrxVariables::Set(std::string_view name, const Variant& value) {
    const int i = IndexOf(name);
    TfrxVariable* item = i >= 0 ? items_[static_cast<size_t>(i)].get() : nullptr;
    if (!item) {
        item = Add();
        item->SetName(std::string(name));
    }
    item->SetValue(value);
}

int TfrxVariables::categoryIndex(std::string_view category) const {
    return IndexOf(categoryEntryName(category));
}

int TfrxVariables::runEnd(int from) const {
    int i = from;
    while (i < Count() && !items_[static_cast<size_t>(i)]->Name().empty() &&
           !isCategoryEntry(items_[static_cast<size_t>(i)]->Name()))
        ++i;
    return i;
}

void TfrxVariables::AddToCategory(std::string_view category, std::string_view name, const Variant& value) {
    const int entry = categoryIndex(category);
    if (entry < 0) return;
    int at = entry + 1;
    while (at < Count() && !isCategoryEntry(items_[static_cast<size_t>(at)]->Name())) ++at;
    TfrxVariable* item = Insert(at);
    item->SetName(std::string(name));
    item->SetValue(value);
}

void TfrxVariables::Remove(std::string_view name) {
    const int i = IndexOf(name);
    if (i >= 0) Delete(i);
}

void TfrxVariables::RemoveCategory(std::string_view category) {
    const int entry = categoryIndex(category);
    if (entry < 0) return;
    items_.erase(items_.begin() + entry, items_.begin() + runEnd(entry + 1));
}

void TfrxVariables::ListCategories(std::vector<std::string>& list, bool clearList) const {
    if (clearList) list.clear();
    for (const auto& item : items_) {
        if (!isCategoryEntry(item->Name())) continue;
        const std::string_view name = std::string_view(item->Name()).substr(1);
        list.emplace_back(name.substr(0, utf8Offset(name, 255)));
    }
}

void TfrxVariables::ListCategoryVariables(std::string_view category, std::vector<std::string>& list) const {
    list.clear();
    int from = 0, to = 0;
    if (category.empty()) {
        while (to < Count() && !isCategoryEntry(items_[static_cast<size_t>(to)]->Name())) ++to;
    } else {
        const int entry = categoryIndex(category);
        if (entry < 0) return;
        from = entry + 1;
        to = runEnd(from);
    }
    for (int i = from; i < to; ++i) list.push_back(items_[static_cast<size_t>(i)]->Name());
}

// ---- TfrxVariables: storage ----

void TfrxVariables::LoadFromFile(const std::string& fileName, std::vector<std::string>* errors) {
    FileStream file(fileName, FileStream::Mode::Read);
    LoadFromStream(file, errors);
}

void TfrxVariables::LoadFromStream(Stream& stream, std::vector<std::string>* errors) {
    Clear();
    TfrxXMLDocument doc;
    doc.LoadFromStream(stream);
    if (sameText(doc.Root()->Name(), "variables")) ReadFromNode(*doc.Root(), errors);
}

void TfrxVariables::ReadFromNode(const TfrxXMLItem& node, std::vector<std::string>* errors) {
    Clear();
    for (int i = 0; i < node.Count(); ++i) {
        const TfrxXMLItem* child = node.Items(i);
        if (sameText(child->Name(), "item")) Add()->applyAttributeText(child->Text(), errors);
    }
}

void TfrxVariables::SaveToFile(const std::string& fileName) const {
    writeFileAtomically(fileName, [this](Stream& s) { SaveToStream(s); });
}

void TfrxVariables::SaveToStream(Stream& stream) const {
    TfrxXMLDocument doc;
    doc.SetAutoIndent(true);
    doc.Root()->SetName("variables");
    WriteToNode(*doc.Root());
    doc.SaveToStream(stream);
}

void TfrxVariables::WriteToNode(TfrxXMLItem& node) const {
    for (const auto& item : items_) {
        TfrxXMLItem* child = node.Add();
        child->SetName("item");
        child->SetText(item->attributeText());
    }
}

}  // namespace lumaro
