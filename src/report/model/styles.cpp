#include "report/model/styles.h"

#include "core/error.h"
#include "core/stream.h"
#include "core/text.h"
#include "report/model/report.h"
#include "report/registry/class_builder.h"
#include "report/serializer/serializer.h"
#include "report/views/memo_view.h"
#include "report/xml/xml_document.h"

namespace lumaro {

namespace {
[[noreturn]] void badIndex(int index) {
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}
}  // namespace

const ClassInfo& TfrxStyleItem::staticClassInfo() {
    using S = TfrxStyleItem;
    static const ClassInfo info =
        ClassBuilder<S>("TfrxStyleItem", &TfrxPersistent::staticClassInfo())
            .creatable()
            .string<&S::Name, &S::SetName>("Name")
            .color<&S::Color, &S::SetColor>("Color", clNone)
            .object<LUMARO_MUTABLE_GETTER(S, Font, TfrxFont)>("Font", &TfrxFont::staticClassInfo)
            .object<LUMARO_MUTABLE_GETTER(S, Frame, TfrxFrame)>("Frame", &TfrxFrame::staticClassInfo)
            .build();
    return info;
}

TfrxStyleItem::TfrxStyleItem() = default;

void TfrxStyleItem::SetName(std::string name) {
    if (collection_) {
        const TfrxStyleItem* other = collection_->Find(name);
        if (other && other != this) throw Exception("Duplicate name");
    }
    name_ = std::move(name);
}

void TfrxStyleItem::Assign(const TfrxStyleItem& s) {
    name_ = s.name_;
    color_ = s.color_;
    font_.Assign(s.font_);
    frame_.Assign(s.frame_);
}

TfrxStyleItem* TfrxStyles::Items(int index) const {
    if (index < 0 || index >= Count()) badIndex(index);
    return items_[static_cast<size_t>(index)].get();
}

TfrxStyleItem* TfrxStyles::Add() {
    auto item = std::make_unique<TfrxStyleItem>();
    for (int n = 1;; ++n) {
        std::string candidate = "Style" + std::to_string(n);
        if (!Find(candidate)) {
            item->name_ = std::move(candidate);
            break;
        }
    }
    item->collection_ = this;
    items_.push_back(std::move(item));
    return items_.back().get();
}

void TfrxStyles::Delete(int index) {
    Items(index);
    items_.erase(items_.begin() + index);
}

TfrxStyleItem* TfrxStyles::Find(std::string_view name) const {
    for (const auto& item : items_)
        if (sameText(item->Name(), name)) return item.get();
    return nullptr;
}

int TfrxStyles::IndexOf(const TfrxStyleItem* item) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item) return static_cast<int>(i);
    return -1;
}

std::vector<std::string> TfrxStyles::Names() const {
    std::vector<std::string> names;
    for (const auto& item : items_) names.push_back(item->Name());
    return names;
}

void TfrxStyles::Assign(const TfrxStyles& source) {
    if (&source == this) return;
    Clear();
    name_ = source.name_;
    for (const auto& item : source.items_) {
        TfrxStyleItem* copy = Add();
        copy->Assign(*item);
    }
}

void TfrxStyles::Apply() const {
    if (!report_) return;
    for (TfrxComponent* c : report_->AllObjects())
        if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(c)) memo->ApplyStyle();
}

void TfrxStyles::SaveToXMLItem(TfrxXMLItem& root) const {
    root.SetName("style");
    root.SetText(std::string());
    root.SetProp("Name", name_);
    for (const auto& item : items_) {
        TfrxXMLItem* element = root.Add();
        element->SetName("item");
        element->SetText(attributeText(*item));
    }
}

void TfrxStyles::SaveToStream(Stream& stream) const {
    TfrxXMLDocument doc;
    doc.SetAutoIndent(true);
    SaveToXMLItem(*doc.Root());
    doc.SaveToStream(stream);
}

void TfrxStyles::SaveToFile(const std::string& fileName) const {
    writeFileAtomically(fileName, [this](Stream& s) { SaveToStream(s); });
}

void TfrxStyles::LoadFromXMLItem(const TfrxXMLItem& root, std::vector<std::string>* errors) {
    Clear();
    if (!sameText(root.Name(), "style")) return;
    name_ = root.Prop("Name");
    ObjectReader reader(report_);
    for (int i = 0; i < root.Count(); ++i) {
        const TfrxXMLItem& element = *root.Items(i);
        if (sameText(element.Name(), "item")) reader.applyAttributeText(*Add(), element.Text());
    }
    reader.finish();
    if (errors) errors->insert(errors->end(), reader.errors().begin(), reader.errors().end());
    Apply();
}

void TfrxStyles::LoadFromStream(Stream& stream, std::vector<std::string>* errors) {
    TfrxXMLDocument doc;
    doc.LoadFromStream(stream);
    LoadFromXMLItem(*doc.Root(), errors);
}

void TfrxStyles::LoadFromFile(const std::string& fileName, std::vector<std::string>* errors) {
    FileStream file(fileName, FileStream::Mode::Read);
    LoadFromStream(file, errors);
}

TfrxStyles* TfrxStyleSheet::Items(int index) const {
    if (index < 0 || index >= Count()) badIndex(index);
    return sets_[static_cast<size_t>(index)].get();
}

TfrxStyles* TfrxStyleSheet::Add() {
    sets_.push_back(std::make_unique<TfrxStyles>());
    return sets_.back().get();
}

void TfrxStyleSheet::Delete(int index) {
    Items(index);
    sets_.erase(sets_.begin() + index);
}

TfrxStyles* TfrxStyleSheet::Find(std::string_view name) const {
    const int i = IndexOf(name);
    return i < 0 ? nullptr : sets_[static_cast<size_t>(i)].get();
}

int TfrxStyleSheet::IndexOf(std::string_view name) const {
    for (size_t i = 0; i < sets_.size(); ++i)
        if (sameText(sets_[i]->Name(), name)) return static_cast<int>(i);
    return -1;
}

std::vector<std::string> TfrxStyleSheet::Names() const {
    std::vector<std::string> names;
    for (const auto& s : sets_) names.push_back(s->Name());
    return names;
}

void TfrxStyleSheet::SaveToStream(Stream& stream) const {
    TfrxXMLDocument doc;
    doc.SetAutoIndent(true);
    doc.Root()->SetName("stylesheet");
    for (const auto& s : sets_) s->SaveToXMLItem(*doc.Root()->Add());
    doc.SaveToStream(stream);
}

void TfrxStyleSheet::SaveToFile(const std::string& fileName) const {
    writeFileAtomically(fileName, [this](Stream& s) { SaveToStream(s); });
}

void TfrxStyleSheet::LoadFromStream(Stream& stream, std::vector<std::string>* errors) {
    Clear();
    TfrxXMLDocument doc;
    doc.LoadFromStream(stream);
    if (!sameText(doc.Root()->Name(), "stylesheet")) return;
    for (int i = 0; i < doc.Root()->Count(); ++i) {
        const TfrxXMLItem& element = *doc.Root()->Items(i);
        if (sameText(element.Name(), "style")) Add()->LoadFromXMLItem(element, errors);
    }
}

void TfrxStyleSheet::LoadFromFile(const std::string& fileName, std::vector<std::string>* errors) {
    FileStream file(fileName, FileStream::Mode::Read);
    LoadFromStream(file, errors);
}

}  // namespace lumaro
