#include "report/prepared/difference_writer.h"

#include <cstring>

#include "report/model/band.h"
#include "report/registry/class_info.h"
#include "report/registry/prop_access.h"
#include "report/serializer/serializer.h"
#include "report/views/line_view.h"
#include "report/views/memo_view.h"
#include "report/views/picture_view.h"
#include "report/views/shape_view.h"
#include "report/views/subreport.h"
#include "report/xml/xml_escape.h"

namespace lumaro {

namespace {

// The difference attributes in the order they are written: attribute name, property (a path
// through nested objects), and which objects have it. Left, Top, Width and Height go by
// their one-letter short forms. The font is written by its height, which keeps sizes that are
// no whole number of points exact.
struct DifferenceColumn {
    const char* attribute;
    const char* property;
    int group;  // DifferenceWriter::Group
};
constexpr int kBase = 0, kFont = 1, kView = 2, kMemo = 3, kShape = 4;
constexpr DifferenceColumn kDifferenceAttributes[] = {
    {"l", "Left", kBase},
    {"t", "Top", kBase},
    {"w", "Width", kBase},
    {"h", "Height", kBase},
    {"Visible", "Visible", kBase},
    {"ParentFont", "ParentFont", kBase},
    {"Tag", "Tag", kBase},
    {"Font.Name", "Font.Name", kFont},
    {"Font.Height", "Font.Height", kFont},
    {"Font.Color", "Font.Color", kFont},
    {"Font.Style", "Font.Style", kFont},
    {"Font.Charset", "Font.Charset", kFont},
    {"BrushStyle", "BrushStyle", kView},
    {"Align", "Align", kView},
    {"Color", "Color", kView},
    {"Cursor", "Cursor", kView},
    {"Printable", "Printable", kView},
    {"TagStr", "TagStr", kView},
    {"URL", "URL", kView},
    {"Frame.Color", "Frame.Color", kView},
    {"Frame.DropShadow", "Frame.DropShadow", kView},
    {"Frame.ShadowColor", "Frame.ShadowColor", kView},
    {"Frame.ShadowWidth", "Frame.ShadowWidth", kView},
    {"Frame.Style", "Frame.Style", kView},
    {"Frame.Typ", "Frame.Typ", kView},
    {"Frame.Width", "Frame.Width", kView},
    {"AutoWidth", "AutoWidth", kMemo},
    {"CharSpacing", "CharSpacing", kMemo},
    {"GapX", "GapX", kMemo},
    {"GapY", "GapY", kMemo},
    {"HAlign", "HAlign", kMemo},
    {"Highlight.Active", "Highlight.Active", kMemo},
    {"LineSpacing", "LineSpacing", kMemo},
    {"ParagraphGap", "ParagraphGap", kMemo},
    {"Rotation", "Rotation", kMemo},
    {"RTLReading", "RTLReading", kMemo},
    {"Underlines", "Underlines", kMemo},
    {"VAlign", "VAlign", kMemo},
    {"WordWrap", "WordWrap", kMemo},
    {"Shape", "Shape", kShape},
};

// Views whose printed copies are written as differences.
bool hasDifferenceList(const TfrxComponent& obj) {
    return dynamic_cast<const TfrxCustomMemoView*>(&obj) || dynamic_cast<const TfrxShapeView*>(&obj) ||
           dynamic_cast<const TfrxCustomLineView*>(&obj) || dynamic_cast<const TfrxPictureView*>(&obj);
}

// The object holding the attribute's property: the object itself or a nested one.
const TfrxPersistent* holderIn(const TfrxPersistent& obj, const PropInfo* holder) {
    return holder ? holder->nested(obj) : &obj;
}

// Appends ` x="text"`: the lines joined with escaped CR LF, without a final line break.
void appendText(std::string& out, const TfrxCustomMemoView& memo) {
    out += " x=\"";
    const Lines& lines = memo.Memo();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) out += "&#13;&#10;";
        appendEscapedXML(out, lines[i]);
    }
    out += '"';
}

}  // namespace

bool isCrossTabObject(const TfrxComponent& obj) {
    const std::string& name = obj.ClassName();
    return name == "TfrxCrossView" || name == "TfrxDBCrossView";
}

PrintedForm printedFormOf(const TfrxComponent& obj) {
    if (dynamic_cast<const TfrxSubreport*>(&obj) || isCrossTabObject(obj)) return PrintedForm::Skipped;
    if (dynamic_cast<const TfrxView*>(&obj) && !hasDifferenceList(obj)) return PrintedForm::Whole;
    return PrintedForm::Differences;
}

const DifferenceWriter::Plan& DifferenceWriter::planFor(const TfrxComponent& obj) {
    const ClassInfo& cls = obj.classInfo();
    if (const auto it = plans_.find(&cls); it != plans_.end()) return it->second;
    Plan plan;
    plan.form = printedFormOf(obj);
    plan.band = dynamic_cast<const TfrxBand*>(&obj) != nullptr;
    plan.view = dynamic_cast<const TfrxView*>(&obj) != nullptr && hasDifferenceList(obj);
    plan.memo = dynamic_cast<const TfrxCustomMemoView*>(&obj) != nullptr;
    plan.picture = dynamic_cast<const TfrxPictureView*>(&obj) != nullptr;
    const bool shape = dynamic_cast<const TfrxShapeView*>(&obj) != nullptr;
    for (const DifferenceColumn& column : kDifferenceAttributes) {
        const auto group = static_cast<Group>(column.group);
        if ((group == Group::View && !plan.view) || (group == Group::Memo && !plan.memo) ||
            (group == Group::Shape && !shape))
            continue;
        const char* dot = std::strchr(column.property, '.');
        const PropInfo* holder = nullptr;
        const PropInfo* prop = nullptr;
        if (dot) {
            holder = cls.FindProp(std::string_view(column.property, static_cast<size_t>(dot - column.property)));
            if (!holder || holder->kind != PropKind::Object || !holder->targetClass) continue;
            prop = holder->targetClass().FindProp(dot + 1);
        } else {
            prop = cls.FindProp(column.property);
        }
        if (!prop || prop->kind == PropKind::Object || prop->kind == PropKind::Callback) continue;
        plan.attributes.push_back({column.attribute, holder, prop, group});
    }
    return plans_.emplace(&cls, std::move(plan)).first->second;
}

void DifferenceWriter::write(std::string& out, const TfrxComponent& printed, const TfrxComponent& source,
                             bool finalPass) {
    const Plan& plan = planFor(printed);
    const auto* view = plan.view ? static_cast<const TfrxView*>(&printed) : nullptr;
    const auto* memo = plan.memo ? static_cast<const TfrxCustomMemoView*>(&printed) : nullptr;
    for (const Attribute& a : plan.attributes) {
        if (!finalPass && a.group != Group::Base && a.group != Group::Font) break;
        if (a.group == Group::Font && printed.ParentFont()) continue;
        const TfrxPersistent* p = holderIn(printed, a.holder);
        const TfrxPersistent* s = holderIn(source, a.holder);
        if (!p || !s) continue;
        const char c = a.name[1] == '\0' ? a.name[0] : '\0';
        // A view placed by Align gets its left from there; an auto-width text object its width.
        if (c == 'l' && view && view->Align() != baNone) continue;
        if (c == 'w' && memo && memo->AutoWidth()) continue;
        // A band always says where it is.
        const bool always = c == 't' && plan.band;
        if (always || !samePropValue(*p, *s, *a.prop)) writePropertyAttribute(out, *p, *a.prop, a.name);
    }
    if (!finalPass) return;
    if (memo) appendText(out, *memo);
    if (plan.picture) {
        const auto& picture = static_cast<const TfrxPictureView&>(printed).Picture();
        const auto& sourcePicture = static_cast<const TfrxPictureView&>(source).Picture();
        // A picture unchanged since the source was copied cannot differ from it.
        if (picture.Picture().changed() && !(picture.Picture() == sourcePicture.Picture()))
            writePropDataAttribute(out, picture, "Picture.");
    }
}

}  // namespace lumaro
