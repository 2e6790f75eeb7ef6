#include "report/xml/xml_escape.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "core/format_settings.h"
#include "core/text.h"

namespace lumaro {
namespace {

TEST(XmlEscapeTest, EscapesOnlyTheSixCharacters) {
    EXPECT_EQ(EscapeXML("a\r\nb\"c&d<e>f"), "a&#13;&#10;b&#34;c&#38;d&#60;e&#62;f");
    // Apostrophes, tabs, control characters and UTF-8 pass unchanged.
    EXPECT_EQ(EscapeXML(std::string("'\t\x01 \xC4\x8D", 7)), std::string("'\t\x01 \xC4\x8D", 7));
    EXPECT_EQ(EscapeXML(""), "");
}

struct UnescapeCase {
    std::string in;
    std::string out;
};

TEST(XmlEscapeTest, UnescapeReplacesNumericReferences) {
    const UnescapeCase cases[] = {
        {"a&#13;&#10;b&#34;", "a\r\nb\""},
        {"&amp; &lt;", "&amp; &lt;"},          // named entities stay
        {"x&#65", "x&#65"},                     // no ';': the rest stays
        {"&#65;&#66", "A&#66"},
        {"&#;", "&#;"},                         // the number needs a character before the ';'
        {"&#38;#65;", "&#65;"},                 // a produced '&' starts no new reference
        {"&#269;", "\xC4\x8D"},                 // č as UTF-8
        {"&#128512;", "\xF0\x9F\x98\x80"},      // beyond the BMP
        {"&#$41;", "A"},                        // the platform's integer syntax
        {"&#0;", std::string(1, '\0')},
        // Numbers that are no Unicode scalar value become U+FFFD, never invalid UTF-8.
        {"&#55296;", "\xEF\xBF\xBD"},
        {"&#1114112;", "\xEF\xBF\xBD"},
        {"&#-5;", "\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        const std::string out = UnescapeXML(c.in);
        EXPECT_EQ(out, c.out) << c.in;
        EXPECT_TRUE(isValidUtf8(out)) << c.in;
    }
}

TEST(XmlEscapeTest, UnescapeOfANonNumericReferenceRaisesConvertError) {
    for (const char* in : {"&#xyz;", "&#;;", "&#99999999999;"}) {
        EXPECT_THROW(UnescapeXML(in), EConvertError) << in;
    }
    try {
        UnescapeXML("a&#xyz;");
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'xyz' is not a valid integer value");
    }
}

TEST(XmlEscapeTest, RoundTripOfAnyText) {
    const std::string texts[] = {"plain", "\"quoted\"\r\n<tag>&amp;", "&#65;", "č ž š", ""};
    for (const auto& t : texts) EXPECT_EQ(UnescapeXML(EscapeXML(t)), t);
}

TEST(XmlEscapeTest, ValueToXmlByType) {
    ScopedFormatSettings sl(FormatSettings::slovenian());
    EXPECT_EQ(ValueToXML(Variant(42)), "42");
    EXPECT_EQ(ValueToXML(Variant::smallInt(-7)), "-7");
    EXPECT_EQ(ValueToXML(Variant::shortInt(8)), "8");
    EXPECT_EQ(ValueToXML(Variant(1.5)), "1,5");
    EXPECT_EQ(ValueToXML(Variant::single(0.25f)), "0,25");
    EXPECT_EQ(ValueToXML(Variant::currency(12345)), "1,2345");
    EXPECT_EQ(ValueToXML(Variant::date(40315.75)), "17.5.2010");  // the date alone
    EXPECT_EQ(ValueToXML(Variant(true)), "1");
    EXPECT_EQ(ValueToXML(Variant(false)), "0");
    EXPECT_EQ(ValueToXML(Variant("a\"b")), "a&#34;b");
    EXPECT_EQ(ValueToXML(Variant()), "");
    EXPECT_EQ(ValueToXML(Variant::null()), "");
    EXPECT_EQ(ValueToXML(Variant::arrayOf({Variant(1)})), "");
}

}  // namespace
}  // namespace lumaro
