#include <gtest/gtest.h>

#include <fstream>

#include "support/oracle.h"
#include "support/temp_dir.h"
#include "xml_test_util.h"

namespace lumaro {
namespace {

using testing::dump;
using testing::loadString;
using testing::saveString;

const std::string kHeader = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";

// variables( item{ Name="a"}, item, group{x="1"}( sub{ ld} ) ) with sub unloadable.
void buildSample(TfrxXMLDocument& doc) {
    TfrxXMLItem* root = doc.Root();
    root->SetName("variables");
    root->Add()->SetName("item");
    root->Items(0)->SetText(" Name=\"a\"");
    root->Add()->SetName("item");
    TfrxXMLItem* group = root->Add();
    group->SetName("group");
    group->SetText("x=\"1\"");  // no leading space: one is written
    TfrxXMLItem* sub = group->Add();
    sub->SetName("sub");
    sub->SetUnloadable(true);
    sub->Add()->SetName("leaf");
}

TEST(XmlWriterTest, CompactOutputIsOneLine) {
    TfrxXMLDocument doc;
    buildSample(doc);
    EXPECT_EQ(saveString(doc), kHeader +
                                   "<variables><item Name=\"a\"/><item/><group x=\"1\">"
                                   "<sub ld=\"0\"><leaf/></sub></group></variables>");
}

TEST(XmlWriterTest, IndentedOutputUsesTwoSpacesAndCrLf) {
    TfrxXMLDocument doc;
    doc.SetAutoIndent(true);
    buildSample(doc);
    doc.Root()->Items(2)->Items(0)->SetText(" t=\"2\"");  // ld="0" directly after the text
    EXPECT_EQ(saveString(doc), kHeader + "\r\n"
                                         "<variables>\r\n"
                                         "  <item Name=\"a\"/>\r\n"
                                         "  <item/>\r\n"
                                         "  <group x=\"1\">\r\n"
                                         "    <sub t=\"2\"ld=\"0\">\r\n"
                                         "      <leaf/>\r\n"
                                         "    </sub>\r\n"
                                         "  </group>\r\n"
                                         "</variables>\r\n");
}

TEST(XmlWriterTest, WritesUtf8AndReadsItBack) {
    TfrxXMLDocument doc;
    doc.Root()->SetName("r");
    doc.Root()->SetProp("x", "\xC4\x8D \"q\"\r\n<&>");
    const std::string out = saveString(doc);
    EXPECT_EQ(out, kHeader + "<r x=\"\xC4\x8D &#34;q&#34;&#13;&#10;&#60;&#38;&#62;\"/>");
    TfrxXMLDocument back;
    loadString(back, out);
    EXPECT_EQ(back.Root()->Prop("x"), "\xC4\x8D \"q\"\r\n<&>");
}

TEST(XmlWriterTest, LargeDocumentRoundTrip) {
    TfrxXMLDocument doc;
    doc.SetAutoIndent(true);
    doc.Root()->SetName("preparedreport");
    for (int p = 0; p < 200; ++p) {
        TfrxXMLItem* page = doc.Root()->Add();
        page->SetName("page0");
        for (int o = 0; o < 50; ++o) {
            TfrxXMLItem* m = page->Add();
            m->SetName("m" + std::to_string(o));
            m->SetText("l=\"" + std::to_string(o) + "\" x=\"text " + std::to_string(p) + "\"");
        }
    }
    const std::string out = saveString(doc);
    TfrxXMLDocument back;
    back.SetAutoIndent(true);
    loadString(back, out);
    EXPECT_EQ(dump(*back.Root()), dump(*doc.Root()));
    EXPECT_EQ(saveString(back), out);
}

class XmlLintTest : public ::testing::Test {
protected:
    std::string lint(const std::string& text, const std::string& args = "--noout") {
        std::ofstream(file_, std::ios::binary) << text;
        int status = 0;
        std::string out = ::lumaro::testing::runCommand("xmllint " + args + " '" + file_ + "' 2>&1", &status);
        EXPECT_EQ(status, 0) << out << "\n" << text;
        if (!out.empty() && out.back() == '\n') out.pop_back();
        return out;
    }
    ::lumaro::testing::TempDir tmp_{"xmllint"};
    std::string file_ = tmp_.file("doc.xml");
};

// xmllint confirms that what we write is well-formed XML and reads attribute values as we do.
TEST_F(XmlLintTest, WrittenDocumentsAreWellFormed) {
    LUMARO_REQUIRE_ORACLE("xmllint");
    const std::string value = "\xC4\x8D\xC5\xBE \"q\" 'a' <b> & c\r\nnext";
    for (bool indent : {false, true}) {
        TfrxXMLDocument doc;
        doc.SetAutoIndent(indent);
        buildSample(doc);
        doc.Root()->Items(1)->SetProp("Value", value);
        const std::string out = saveString(doc);
        lint(out);
        EXPECT_EQ(lint(out, "--xpath 'string(/variables/item[2]/@Value)'"), value);
        EXPECT_EQ(lint(out, "--xpath 'count(//*)'"), "6");
    }
}

}  // namespace
}  // namespace lumaro
