#pragma once
// Base of every node of a report tree: a name unique within the report (without regard to
// letter case), a parent that owns it, an ordered list of owned children, a position and
// size in pixels at 96 dots per inch, and a font that follows the parent's unless changed.
#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "report/model/font.h"
#include "report/model/report_types.h"
#include "report/registry/persistent.h"

namespace lumaro {

class Stream;
class TfrxPage;
class TfrxReport;

class TfrxComponent : public TfrxPersistent {
    LUMARO_CLASS_INFO
public:
    TfrxComponent();
    // Destroys the children, then leaves the parent.
    ~TfrxComponent() override;

    // Creates an object of a component class by its registry entry; the design flag is set
    // when the designer creates it. Null for classes that cannot be created.
    static TfrxComponent* createByClass(const ClassInfo& cls, TfrxComponent* parent, bool designing = false);

    const std::string& Name() const { return name_; }
    // Raises EDuplicateName with frxGet("prDupl") when another object of the report already
    // has the name (compared without regard to case); the old name is then kept.
    virtual void SetName(const std::string& name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    TfrxComponent* Parent() const { return parent_; }
    // Moves the node from the old parent's children to the end of the new parent's.
    virtual void SetParent(TfrxComponent* parent);
    const std::vector<TfrxComponent*>& Objects() const { return objects_; }

    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    virtual void SetLeft(double v) { left_ = v; }
    virtual void SetTop(double v) { top_ = v; }
    virtual void SetWidth(double v) { width_ = v; }
    virtual void SetHeight(double v) { height_ = v; }
    void SetBounds(double left, double top, double width, double height);

    TfrxFont& Font() { return font_; }
    const TfrxFont& Font() const { return font_; }
    virtual void SetFont(const TfrxFont& font) { font_.Assign(font); }
    bool ParentFont() const { return parentFont_; }
    // True copies the parent's font.
    virtual void SetParentFont(bool value);
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool value) { visible_ = value; }
    // Set of TfrxRestriction.
    int Restrictions() const { return restrictions_; }
    void SetRestrictions(int value) { restrictions_ = value & 15; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value) { groupIndex_ = value; }

    // The automatic name part of the class ("Memo", "Page", "MasterData").
    const std::string& BaseName() const;
    // Set when the designer created the node.
    bool IsDesigning() const { return designing_; }
    void SetDesigning(bool value) { designing_ = value; }
    // Set while a template is being read into the node.
    bool IsLoading() const { return loading_; }
    void SetLoading(bool value) { loading_ = value; }

    // Every descendant, depth first: each child, then its descendants, then the next child.
    std::vector<TfrxComponent*> AllObjects() const;
    // First node of AllObjects whose name equals `name` without regard to ASCII letter case.
    TfrxComponent* FindObject(std::string_view name) const;
    // Nearest ancestor (or the node itself) that is a page, respectively the report.
    TfrxPage* Page() const;
    TfrxReport* Report() const;
    // Sum of Left (Top) over the node and its ancestors, up to a dialog page or the root.
    double AbsLeft() const { return AbsLeftFor(left_); }
    double AbsTop() const;
    // AbsLeft were the node's own Left `left`.
    double AbsLeftFor(double left) const;
    // Names the node with its base name and the smallest free number from 1.
    void MakeUniqueName();

    // Applies the Align rules of the child views (band and page children).
    virtual void ArrangeChildren();
    // Hook called on every object before a preparation starts.
    virtual void BeforeStartReport() {}
    // Destroys all children.
    virtual void Clear();
    // Copies the stored properties of `source`, also those at their defaults, but not its
    // children; this node loses its own children first.
    void Assign(const TfrxComponent& source);
    // The same with the children.
    void AssignWithChildren(const TfrxComponent& source);
    // Template form of the node and its children (serializer).
    virtual void LoadFromStream(Stream& stream);
    virtual void SaveToStream(Stream& stream, bool saveChildren = true, bool saveDefaults = false);
    // Called after a template was read into the node and references were resolved.
    virtual void Loaded() {}
    // Name shown by the designer.
    virtual std::string DisplayName() const { return ClassName(); }
    // This node as a report, or null (cheaper than a dynamic_cast on every tree walk).
    virtual const TfrxReport* asReport() const { return nullptr; }

protected:
    // Called after the own font changed: ParentFont becomes false and the font goes to
    // every child that follows its parent's font.
    virtual void FontChanged();
    void applyFontToChildren();
    // Takes the font of the parent without counting as a change.
    void inheritFont(const TfrxFont& font);

private:
    void addChild(TfrxComponent* child);
    void removeChild(TfrxComponent* child);
    void collectAll(std::vector<TfrxComponent*>& out) const;

    std::string name_;
    int tag_ = 0;
    TfrxComponent* parent_ = nullptr;
    std::vector<TfrxComponent*> objects_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TfrxFont font_;
    bool parentFont_ = true;
    bool visible_ = true;
    int restrictions_ = 0;
    int groupIndex_ = 0;
    bool designing_ = false;
    bool loading_ = false;
    bool inheritingFont_ = false;
};

// Raised when a name is already taken in the report (message frxGet("prDupl")).
LUMARO_EXCEPTION_CLASS(EDuplicateName, Exception)

}  // namespace lumaro

namespace lumaro {
// Stored rule of a published Font: only while the component does not follow its parent's.
bool isFontStored(const TfrxPersistent& component);
}  // namespace lumaro
