#include <gtest/gtest.h>

#include "core/error.h"
#include "report/xml/xml_reader.h"
#include "xml_test_util.h"

namespace lumaro {
namespace {

using testing::dump;
using testing::loadString;

constexpr const char* kError = "<error>";

// The tree read from a document, or kError for "Invalid file format".
std::string readTree(const std::string& text) {
    TfrxXMLDocument doc;
    try {
        loadString(doc, text);
    } catch (const EFormatError& e) {
        EXPECT_STREQ(e.what(), "Invalid file format");
        EXPECT_EQ(doc.Root()->Count(), 0);  // no half-read tree stays
        return kError;
    }
    return dump(*doc.Root());
}

struct ReadCase {
    std::string text;
    std::string tree;
};

TEST(XmlReaderTest, Documents) {
    const std::string h = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
    const ReadCase cases[] = {
        {h + "<a/>", "a"},
        {h + "<a x=\"1\"/>", "a{x=\"1\"}"},
        {h + "<a></a>", "a"},                                 // start tag and closing tag: no children
        {h + "\r\n<a>\r\n  <b/>\r\n</A>\r\n", "a(b)"},        // closing name without regard to case
        {h + "<a><b/></c>", kError},                          // closing name mismatch
        {h + "<a><b></a>", kError},
        {h + "<a><b/>", "a(b)"},                              // truncated after b: accepted
        {h + "<a><b><c/>", "a(b(c))"},
        {h + "<a x=\"<\"/>", kError},                         // '<' inside a tag
        {h + "<a x=\"1\"", kError},                           // input ends inside a tag
        {"<a/>", kError},                                      // no header
        {"<?XML?><a/>", kError},
        {"", kError},
        {"<?xmlns?><a/>", "a"},                               // the header name only has to begin with ?xml
        {h, ""},                                               // no root element
        {h + "</a>", "/a"},
        {h + "<a x=\">\"/>", "a{x=\"}"},                      // quotes are not special: '>' ends the tag
        {h + "<a>text<b/>more\r\n</a>", "a(b)"},              // text between tags is ignored
        {h + "<!-- c <b> -- x > y --><a/>", "a"},             // comment ends at a '>' after "--"
        {h + "<a><!----><b/><!-- -></c> --></a>", "a(b)"},
        {h + "<a><!-- x", kError},                            // input ends inside a comment
        {h + "<a x=\"1\" ></a>", "a{x=\"1\"}"},               // one trailing space dropped
        {h + "<a x=\"1\"  ></a>", "a{x=\"1\" }"},             // only one
        {h + "<a x=\"1\" / ></a>", "a{x=\"1\" }"},            // then a final '/' makes it empty
        {h + "<a/ >", "a"},
        {h + "<a\tx=\"1\"/>", "a\tx=\"1\""},                  // only a space separates name and attributes
        {h + "<a><a><a/></a></a>", "a(a(a))"},
        {h + "<a>< b><c/></a>", "a"},                         // an empty name closes without a check
        {h + "<a><></a>", "a"},
        // ld="0" is removed from elements with a closing tag, in any letter case, also at the
        // end of an attribute whose name ends with "ld" and whose value is 0.
        {h + "<a Field=\"0\" y=\"1\"><b/></a>", "a{Fie y=\"1\"}(b)"},
        {h + "<a x=\"1\" LD=\"0\"></a>", "a{x=\"1\" }"},
        {h + "<a ld=\"0\"/>", "a{ld=\"0\"}"},                 // empty elements keep it
    };
    for (const auto& c : cases) EXPECT_EQ(readTree(c.text), c.tree) << c.text;
}

TEST(XmlReaderTest, TagsLongerThanTheBuffer) {
    const std::string value(300000, 'v');
    const std::string comment = "<!--" + std::string(200000, '-') + "x>";  // "--" long before the '>'
    TfrxXMLDocument doc;
    loadString(doc, "<?xml?><a>" + comment + "<b x=\"" + value + "\"/></a>");
    ASSERT_EQ(doc.Root()->Count(), 1);
    EXPECT_EQ(doc.Root()->Items(0)->Prop("x"), value);
    EXPECT_EQ(readTree("<?xml?><a x=\"" + value + "<\"/>"), kError);
    EXPECT_EQ(readTree("<?xml?><a x=\"" + value), kError);
}

TEST(XmlReaderTest, NestingDepthIsLimited) {
    auto nested = [](size_t depth) {
        std::string s = "<?xml?>";
        for (size_t i = 0; i < depth; ++i) s += "<e>";
        return s;
    };
    EXPECT_NE(readTree(nested(kMaxXmlDepth)), kError);
    EXPECT_EQ(readTree(nested(kMaxXmlDepth + 1)), kError);
    EXPECT_EQ(readTree(nested(kMaxXmlDepth) + "<leaf/>"), kError);
    EXPECT_EQ(readTree(nested(1000000)), kError);
}

TEST(XmlReaderTest, StreamIsLeftAfterTheLastConsumedByte) {
    MemoryStream m("JUNK<?xml?>\r\n<a><b/></a>TAIL<x/>");
    m.SetPosition(4);
    TfrxXMLDocument doc;
    doc.LoadFromStream(m);
    EXPECT_EQ(dump(*doc.Root()), "a(b)");
    EXPECT_EQ(m.Position(), static_cast<int64_t>(m.data().find("TAIL")));
}

TEST(XmlReaderTest, TextEncoding) {
    struct Case {
        std::string text;
        std::string value;
    } cases[] = {
        {"<?xml?><a x=\"\xC4\x8D\"/>", "\xC4\x8D"},  // valid UTF-8: kept
        {"<?xml?><a x=\"\xE8\"/>", "\xC4\x8D"},      // Windows-1250 č
        {"<?xml?><a x=\"\x8A\xE8\"/>", "\xC5\xA0\xC4\x8D"},
        // One invalid byte anywhere (here in a comment) makes the whole document Windows-1250.
        {"<?xml?><!-- \xE8 --><a x=\"\xC4\x8D\"/>", "\xC3\x84\xC5\xA4"},
        // A sequence cut off at the end of the document.
        {"<?xml?><a x=\"\xC4\x8D\"/><!-- \xC4", "\xC4\x8D"},  // not consumed: stays UTF-8
    };
    for (const auto& c : cases) {
        TfrxXMLDocument doc;
        loadString(doc, c.text);
        EXPECT_EQ(doc.Root()->Prop("x"), c.value) << c.text;
    }
    // Names are converted too, and a closing tag matches in either reading.
    TfrxXMLDocument doc;
    loadString(doc, "<?xml?><\xC8rka><b/></\xE8RKA>");
    EXPECT_EQ(dump(*doc.Root()), "\xC4\x8Crka(b)");
}

TEST(XmlReaderTest, LoadingAgainReplacesTheTree) {
    TfrxXMLDocument doc;
    loadString(doc, "<?xml?><a x=\"1\"><b/></a>");
    loadString(doc, "<?xml?><c/>");
    EXPECT_EQ(dump(*doc.Root()), "c");
    EXPECT_THROW(loadString(doc, "<?xml?><a><b/></c>"), EFormatError);
    EXPECT_EQ(dump(*doc.Root()), "");
}

}  // namespace
}  // namespace lumaro
