#include <gtest/gtest.h>

#include "core/error.h"
#include "core/format_text.h"
#include "core/object.h"

using namespace lumaro;

namespace {
const FormatSettings kEn = FormatSettings::english();

std::string fmt(std::string_view f, std::vector<Variant> args, const FormatSettings& fs = kEn) {
    return format(f, args, fs);
}

std::string errorOf(std::string_view f, std::vector<Variant> args) {
    try {
        format(f, args, kEn);
    } catch (const EConvertError& e) {
        return e.what();
    }
    return "no error";
}
}  // namespace

TEST(Format, Conversions) {
    struct Case { const char* format; std::vector<Variant> args; const char* text; };
    const Case cases[] = {
        {"%d|%5d|%-5d|%.5d", {Variant(-12), Variant(3), Variant(3), Variant(-12)}, "-12|    3|3    |-00012"},
        {"%05d", {Variant(3)}, "    3"},  // no zero flag: 05 is the width
        {"%x %.4x %u", {Variant(-1), Variant(255), Variant(-1)}, "FFFFFFFF 00FF 4294967295"},
        {"%e", {Variant(1234.5)}, "1.23450000000000E+003"},
        {"%g|%f|%n|%m", {Variant(1234.5), Variant(1234.5), Variant(1234.5), Variant(-1234.5)},
         "1234.5|1234.50|1,234.50|($1,234.50)"},
        {"%.0f %.1f", {Variant(2.5), Variant(0.25)}, "3 0.3"},
        {"%2.2f", {Variant(3.14159)}, "3.14"},
        {"%g", {Variant(0.00001)}, "1E-5"},
        {"%m", {Variant::currency(12345678)}, "$1,234.57"},
        {"%f", {Variant::date(36526.5)}, "36526.50"},
        {"%s|%6s|%-6s|%.2s", {Variant("abc"), Variant("čšž"), Variant("čšž"), Variant("čšž")}, "abc|   čšž|čšž   |čš"},
        {"[%s][%s]", {Variant::null(), Variant()}, "[][]"},
        {"%1:s %0:s %s", {Variant("a"), Variant("b")}, "b a b"},
        {"%*d|%-*.*f|", {Variant(4), Variant(7), Variant(8), Variant(2), Variant(1.5)}, "   7|1.50    |"},
        {"%*d|", {Variant(-4), Variant(7)}, "7   |"},  // a negative width from * justifies left
        {"100%%", {}, "100%"},
        {"%D %S %X", {Variant(1), Variant("a"), Variant(255)}, "1 a FF"},
    };
    for (const Case& c : cases) EXPECT_EQ(fmt(c.format, c.args), c.text) << c.format;
    EXPECT_EQ(fmt("%n", {Variant(1234567.891)}, FormatSettings::slovenian()), "1.234.567,89");
}

TEST(Format, ErrorsCarryThePlatformTexts) {
    EXPECT_EQ(errorOf("%d", {Variant(1.5)}), "Format '%d' invalid or incompatible with argument");
    EXPECT_EQ(errorOf("%f", {Variant(5)}), "Format '%f' invalid or incompatible with argument");
    EXPECT_EQ(errorOf("%s", {Variant(true)}), "Format '%s' invalid or incompatible with argument");
    EXPECT_EQ(errorOf("%k", {Variant(1)}), "Format '%k' invalid or incompatible with argument");
    EXPECT_EQ(errorOf("abc %", {}), "Format 'abc %' invalid or incompatible with argument");
    EXPECT_EQ(errorOf("%d %d", {Variant(5)}), "No argument for format '%d %d'");
    // The message shows the first 31 characters of the format.
    EXPECT_EQ(errorOf("%d and then a rather long tail of text", {}),
              "No argument for format '%d and then a rather long tail '");
    EXPECT_EQ(errorOf("%s", {Variant::arrayOf({Variant(1)})}), "Format '%s' invalid or incompatible with argument");
}

TEST(Format, PointerShowsTheObjectAddress) {
    struct Thing : Object {};
    Thing t;
    const std::string text = fmt("%p", {Variant(static_cast<Object*>(&t))});
    EXPECT_EQ(text.size(), 2 * sizeof(void*));
    EXPECT_EQ(std::stoull(text, nullptr, 16), reinterpret_cast<uintptr_t>(&t));
}
