// The property registry: order of the tables, lookup, and access through Variants.
#include <gtest/gtest.h>

#include <algorithm>

#include "barcode/barcode_type.h"
#include "core/error.h"
#include "core/stream.h"
#include "report/model/band.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/registry/class_registry.h"
#include "report/registry/object_palette.h"
#include "report/registry/prop_access.h"
#include "report/views/barcode_view.h"
#include "report/views/line_view.h"
#include "report/views/memo_view.h"

using namespace lumaro;

namespace {
std::vector<std::string> names(const ClassInfo& cls, size_t count) {
    std::vector<std::string> out;
    for (size_t i = 0; i < count && i < cls.props.size(); ++i) out.push_back(cls.props[i].name);
    return out;
}
}  // namespace

TEST(Registry, InheritedPropertiesComeFirstAndRedeclaredOnesKeepTheirPlace) {
    const ClassInfo& memo = TfrxMemoView::staticClassInfo();
    EXPECT_EQ(names(memo, 20), (std::vector<std::string>{"Name", "Tag", "Align", "Cursor", "Printable", "ShiftMode",
                                                         "TagStr", "URL", "Left", "Top", "Width", "Height",
                                                         "GroupIndex", "Restrictions", "Visible", "OnAfterData",
                                                         "OnAfterPrint", "OnBeforePrint", "OnPreviewClick",
                                                         "StretchMode"}));
    EXPECT_EQ(memo.props[20].name, "AutoWidth");
    EXPECT_EQ(memo.props.back().name, "VAlign");
    // TfrxLineView publishes StretchMode again: it stays where TfrxStretcheable put it.
    const ClassInfo& line = TfrxLineView::staticClassInfo();
    EXPECT_EQ(line.FindProp("StretchMode")->index, 19);
    EXPECT_EQ(names(line, 22).back(), "Diagonal");
    for (size_t i = 0; i < memo.props.size(); ++i) EXPECT_EQ(memo.props[i].index, static_cast<int>(i));
}

TEST(Registry, ClassesAndPropertiesAreFoundWithoutRegardToCase) {
    const ClassInfo* cls = findTemplateClass("tfrxmemoview");
    ASSERT_NE(cls, nullptr);
    EXPECT_EQ(cls->name, "TfrxMemoView");
    EXPECT_EQ(cls->baseName, "Memo");
    EXPECT_EQ(cls->FindProp("WORDWRAP"), cls->FindProp("WordWrap"));
    EXPECT_EQ(cls->FindProp("NoSuchProperty"), nullptr);
    EXPECT_EQ(findTemplateClass("TfrxView"), nullptr);  // abstract base, not a template class
    EXPECT_NE(findClassInfo("TfrxView"), nullptr);
    EXPECT_EQ(findTemplateClass("TfrxReportPage")->baseName, "Page");
    EXPECT_EQ(findTemplateClass("TfrxMasterData")->baseName, "MasterData");
    EXPECT_EQ(findTemplateClass("TfrxBarCodeView")->baseName, "BarCode");
    const EnumType* bar = findEnumType("TfrxBarcodeType");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->count(), kBarcodeTypeCount);
    EXPECT_EQ(bar->indexOf("bccodeean128c"), 22);
    EXPECT_EQ(bar->indexOf("bcCode128"), bcCode128);
    EXPECT_EQ(bar->indexOf("bcCodeEAN128"), bcCodeEAN128);
}

TEST(Registry, EveryTemplateComponentClassCanBeCreatedByName) {
    for (const ClassInfo* cls : allClasses()) {
        if (!cls->isComponent || !findTemplateClass(cls->name)) continue;
        std::unique_ptr<TfrxComponent> c(TfrxComponent::createByClass(*cls, nullptr));
        ASSERT_NE(c, nullptr) << cls->name;
        EXPECT_EQ(&c->classInfo(), cls);
    }
}

TEST(Registry, PropertiesThroughVariants) {
    TfrxReport report;
    auto* page = new TfrxReportPage();
    page->SetParent(&report);
    auto* memo = new TfrxMemoView();
    memo->SetParent(page);
    memo->SetName("Memo1");

    SetPropValue(*memo, "HAlign", Variant("haRight"));
    EXPECT_EQ(memo->HAlign(), haRight);
    SetPropValue(*memo, "halign", Variant(2));
    EXPECT_EQ(memo->HAlign(), haCenter);
    EXPECT_THROW(SetPropValue(*memo, "HAlign", Variant(9)), EConvertError);
    SetPropValue(*memo, "Memo", Variant("a\r\nb"));
    EXPECT_EQ(memo->Memo(), (Lines{"a", "b"}));
    EXPECT_TRUE(GetPropValue(*memo, "Memo").identical(Variant("a\r\nb")));
    EXPECT_TRUE(GetPropValue(*memo, "WordWrap").identical(Variant(true)));
    SetPropValue(*memo, "Left", Variant(12.5));
    EXPECT_EQ(memo->Left(), 12.5);

    auto* font = dynamic_cast<TfrxFont*>(GetPropValue(*memo, "Font").toObject());
    ASSERT_EQ(font, &memo->Font());
    SetPropValue(*font, "Size", Variant(20));
    EXPECT_EQ(memo->Font().Height(), -27);
    EXPECT_FALSE(memo->ParentFont());

    auto* next = new TfrxMemoView();
    next->SetParent(page);
    SetPropValue(*memo, "FlowTo", Variant(static_cast<Object*>(next)));
    EXPECT_EQ(memo->FlowTo(), next);
    EXPECT_THROW(SetPropValue(*memo, "FlowTo", Variant(static_cast<Object*>(page))), EConvertError);
    EXPECT_THROW(SetPropValue(*memo, "Frame", Variant()), EConvertError);  // a nested object is not replaced
}

TEST(Registry, SetsKeepOnlyTheirElements) {
    TfrxBarCodeView barcode;
    SetPropValue(barcode.Frame(), "Typ", Variant(255));
    EXPECT_EQ(barcode.Frame().Typ(), 15);
    SetPropValue(barcode, "BarType", Variant("bcCodeEAN13"));
    EXPECT_EQ(barcode.BarType(), 14);
    EXPECT_THROW(GetPropValue(barcode, "Nothing"), EConvertError);
}

TEST(Registry, ObjectPaletteEntries) {
    const std::vector<ObjectPaletteEntry> entries = objectPaletteEntries();
    const auto barcode = std::find_if(entries.begin(), entries.end(), [](const ObjectPaletteEntry& e) {
        return e.classInfo == &TfrxBarCodeView::staticClassInfo();
    });
    ASSERT_NE(barcode, entries.end());
    EXPECT_EQ(barcode->imageIndex, 23);
    EXPECT_EQ(barcode->category, "Other");
    EXPECT_EQ(std::count_if(entries.begin(), entries.end(),
                            [](const ObjectPaletteEntry& e) { return e.classInfo == &TfrxBarCodeView::staticClassInfo(); }),
              1)
        << "registered once";
}

// Templates store barcode types by name; the types after the classic 23 read and write back
// like the others.
TEST(Registry, BarcodeTypesAfterTheClassicOnesKeepTheirNamesInTemplates) {
    TfrxReport report;
    MemoryStream in(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><TfrxReport><TfrxReportPage Name=\"Page1\">"
        "<TfrxBarCodeView Name=\"BarCode1\" BarType=\"bcCodeEAN128\"/>"
        "<TfrxBarCodeView Name=\"BarCode2\" BarType=\"bcCode128\"/></TfrxReportPage></TfrxReport>");
    report.LoadFromStream(in);
    EXPECT_TRUE(report.Errors().empty());
    EXPECT_EQ(dynamic_cast<TfrxBarCodeView*>(report.FindObject("BarCode1"))->BarType(), bcCodeEAN128);
    EXPECT_EQ(dynamic_cast<TfrxBarCodeView*>(report.FindObject("BarCode2"))->BarType(), bcCode128);
    MemoryStream out;
    report.SaveToStream(out);
    EXPECT_NE(out.data().find("BarType=\"bcCodeEAN128\""), std::string::npos) << out.data();
    EXPECT_NE(out.data().find("BarType=\"bcCode128\""), std::string::npos) << out.data();
}
