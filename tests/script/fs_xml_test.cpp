// TfsXMLDocument / TfsXMLItem: attribute access on the raw attribute text, escaping, and
// reading back what was written.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "core/error.h"
#include "script/xml/fs_xml.h"

namespace lumaro {
namespace {

TEST(ScriptXml, AttributesRoundTripThroughTextAndFiles) {
    TfsXMLDocument doc;
    doc.Root()->SetName("program");
    TfsXMLItem* item = doc.Root()->Add("string");
    const std::string value = "a\"<b>&#60;\r\n'č";
    item->SetProp("text", value);
    item->SetProp("pos", "1:5");
    item->SetProp("TEXT", "x");  // names compare without regard to case
    item->SetProp("text", value);
    EXPECT_EQ(item->Text(), " text=\"a&#34;&#60;b&#62;&#38;#60;&#13;&#10;'č\" pos=\"1:5\"");
    EXPECT_EQ(item->Prop("Text"), value);
    EXPECT_EQ(item->Prop("missing"), "");
    EXPECT_EQ(item->Parent(), doc.Root());
    EXPECT_EQ(item->Add("x")->Root(), doc.Root());

    const std::string file = (std::filesystem::temp_directory_path() / "lumaro_fs_xml_test.xml").string();
    doc.SaveToFile(file);
    TfsXMLDocument back;
    back.LoadFromFile(file);
    std::remove(file.c_str());
    EXPECT_EQ(back.SaveToString(), doc.SaveToString());
    ASSERT_NE(back.Root()->FindItem("STRING"), nullptr);
    EXPECT_EQ(back.Root()->FindItem("string")->Prop("text"), value);
    EXPECT_EQ(back.Root()->FindItem("none"), nullptr);
}

TEST(ScriptXml, ReadsOrdinaryXmlAndRejectsBrokenText) {
    TfsXMLDocument doc;
    doc.LoadFromString("<?xml version=\"1.0\"?>\n<!-- c --><a x=\"1 &amp; 2\"><b/>text<c y=\"&gt;\"></c></a>");
    EXPECT_EQ(doc.Root()->Name(), "a");
    EXPECT_EQ(doc.Root()->Prop("x"), "1 & 2");
    ASSERT_EQ(doc.Root()->Count(), 2);
    EXPECT_EQ(doc.Root()->Items(1)->Prop("y"), ">");
    for (const char* broken : {"", "<a>", "<a></b>", "<a/><b/>", "<a x=\"1>"})
        EXPECT_THROW(doc.LoadFromString(broken), EFormatError) << broken;
}

}  // namespace
}  // namespace lumaro
