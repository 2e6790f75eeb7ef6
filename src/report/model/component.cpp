#include "report/model/component.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "core/resources.h"
#include "report/model/name_index.h"
#include "report/model/page.h"
#include "report/model/report.h"
#include "report/registry/class_builder.h"
#include "report/serializer/serializer.h"

namespace lumaro {

namespace {

// Adds (or removes) the names of `node` and its descendants to (from) a report's index,
// leaving out nested reports, which keep their own names.
void indexSubtree(const TfrxComponent& node, NameIndex& index, bool add) {
    if (add)
        index.add(node.Name());
    else
        index.remove(node.Name());
    for (const TfrxComponent* c : node.Objects())
        if (!c->asReport()) indexSubtree(*c, index, add);
}

// The report whose name index holds this node's name: the nearest report above it.
TfrxReport* indexOwner(const TfrxComponent* node) {
    return node->Parent() ? node->Parent()->Report() : nullptr;
}

}  // namespace

const ClassInfo& TfrxComponent::staticClassInfo() {
    static const ClassInfo info = ClassBuilder<TfrxComponent>("TfrxComponent", &TfrxPersistent::staticClassInfo())
                                      .component()
                                      .string<&TfrxComponent::Name, &TfrxComponent::SetName>("Name")
                                      .notStored()
                                      .integer<&TfrxComponent::Tag, &TfrxComponent::SetTag>("Tag", 0)
                                      .build();
    return info;
}

TfrxComponent::TfrxComponent() {
    font_.setOnChange([this] {
        if (!inheritingFont_) FontChanged();
    });
}

TfrxComponent::~TfrxComponent() {
    // Children may refer to this node (a subreport to its own page); they must find nothing.
    clearWeakRefs();
    while (!objects_.empty()) delete objects_.back();
    if (parent_) {
        if (TfrxReport* r = indexOwner(this)) r->objectNames().remove(name_);
        parent_->removeChild(this);
    }
}

TfrxComponent* TfrxComponent::createByClass(const ClassInfo& cls, TfrxComponent* parent, bool designing) {
    if (!cls.create || !cls.isComponent) return nullptr;
    auto* c = static_cast<TfrxComponent*>(cls.create());
    c->designing_ = designing;
    if (parent) c->SetParent(parent);
    return c;
}

void TfrxComponent::SetName(const std::string& name) {
    if (name == name_) return;
    if (TfrxReport* r = indexOwner(this)) {
        NameIndex& index = r->objectNames();
        if (!sameAsciiText(name, name_) && index.contains(name)) throw EDuplicateName(frxGet("prDupl"));
        index.remove(name_);
        index.add(name);
    }
    name_ = name;
}

void TfrxComponent::SetParent(TfrxComponent* parent) {
    if (parent == parent_) return;
    for (const TfrxComponent* p = parent; p; p = p->parent_)
        if (p == this) return;  // a node cannot become its own descendant
    TfrxReport* oldReport = indexOwner(this);
    if (parent_) parent_->removeChild(this);
    parent_ = parent;
    if (parent_) parent_->addChild(this);
    TfrxReport* newReport = indexOwner(this);
    if (oldReport != newReport) {
        const bool nested = asReport() != nullptr;
        if (oldReport) nested ? oldReport->objectNames().remove(name_) : indexSubtree(*this, oldReport->objectNames(), false);
        if (newReport) nested ? newReport->objectNames().add(name_) : indexSubtree(*this, newReport->objectNames(), true);
    }
    if (parentFont_ && parent_) inheritFont(parent_->font_);
}

void TfrxComponent::addChild(TfrxComponent* child) { objects_.push_back(child); }

void TfrxComponent::removeChild(TfrxComponent* child) {
    for (auto it = objects_.rbegin(); it != objects_.rend(); ++it) {
        if (*it == child) {
            objects_.erase(std::next(it).base());
            return;
        }
    }
}

void TfrxComponent::SetBounds(double left, double top, double width, double height) {
    SetLeft(left);
    SetTop(top);
    SetWidth(width);
    SetHeight(height);
}

void TfrxComponent::SetParentFont(bool value) {
    parentFont_ = value;
    if (value && parent_) inheritFont(parent_->font_);
}

void TfrxComponent::FontChanged() {
    parentFont_ = false;
    applyFontToChildren();
}

void TfrxComponent::inheritFont(const TfrxFont& font) {
    inheritingFont_ = true;
    font_.Assign(font);
    inheritingFont_ = false;
    applyFontToChildren();
}

void TfrxComponent::applyFontToChildren() {
    for (TfrxComponent* c : objects_)
        if (c->parentFont_) c->inheritFont(font_);
}

const std::string& TfrxComponent::BaseName() const { return classInfo().baseName; }

void TfrxComponent::collectAll(std::vector<TfrxComponent*>& out) const {
    for (TfrxComponent* c : objects_) {
        out.push_back(c);
        c->collectAll(out);
    }
}

std::vector<TfrxComponent*> TfrxComponent::AllObjects() const {
    std::vector<TfrxComponent*> out;
    collectAll(out);
    return out;
}

TfrxComponent* TfrxComponent::FindObject(std::string_view name) const {
    for (TfrxComponent* c : objects_) {
        if (sameAsciiText(c->name_, name)) return c;
        if (TfrxComponent* found = c->FindObject(name)) return found;
    }
    return nullptr;
}

TfrxPage* TfrxComponent::Page() const {
    for (const TfrxComponent* c = this; c; c = c->parent_)
        if (auto* p = dynamic_cast<const TfrxPage*>(c)) return const_cast<TfrxPage*>(p);
    return nullptr;
}

TfrxReport* TfrxComponent::Report() const {
    for (const TfrxComponent* c = this; c; c = c->parent_)
        if (const TfrxReport* r = c->asReport()) return const_cast<TfrxReport*>(r);
    return nullptr;
}

double TfrxComponent::AbsLeftFor(double left) const {
    double sum = left;
    for (const TfrxComponent* p = parent_; p && p->parent_ && !dynamic_cast<const TfrxDialogPage*>(p); p = p->parent_)
        sum += p->left_;
    return sum;
}

double TfrxComponent::AbsTop() const {
    double sum = top_;
    for (const TfrxComponent* p = parent_; p && p->parent_ && !dynamic_cast<const TfrxDialogPage*>(p); p = p->parent_)
        sum += p->top_;
    return sum;
}

void TfrxComponent::MakeUniqueName() {
    const std::string& base = BaseName();
    std::unordered_set<std::string> taken;
    const TfrxReport* report = indexOwner(this);
    if (!report && parent_)
        for (const TfrxComponent* c : parent_->AllObjects()) taken.insert(foldAsciiCase(c->name_));
    for (int n = 1;; ++n) {
        std::string candidate = base + std::to_string(n);
        const bool used = report ? const_cast<TfrxReport*>(report)->objectNames().contains(candidate)
                                 : taken.count(foldAsciiCase(candidate)) != 0;
        if (!used) {
            SetName(candidate);
            return;
        }
    }
}

void TfrxComponent::Clear() {
    while (!objects_.empty()) delete objects_.back();
}

void TfrxComponent::Assign(const TfrxComponent& source) { assignComponent(*this, source, false); }

void TfrxComponent::AssignWithChildren(const TfrxComponent& source) { assignComponent(*this, source, true); }

void TfrxComponent::LoadFromStream(Stream& stream) { loadComponent(*this, stream); }

void TfrxComponent::SaveToStream(Stream& stream, bool saveChildren, bool saveDefaults) {
    saveComponent(*this, stream, saveChildren, saveDefaults);
}

}  // namespace lumaro

namespace lumaro {
bool isFontStored(const TfrxPersistent& component) {
    return !static_cast<const TfrxComponent&>(component).ParentFont();
}
}  // namespace lumaro
