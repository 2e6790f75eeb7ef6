#include <gtest/gtest.h>

#include <set>

#include "core/error.h"
#include "core/format_settings.h"
#include "core/variant.h"
#include "script/library/system_functions.h"

using namespace lumaro;

namespace {

Variant call(const char* upperName, std::vector<Variant> params) {
    return callSystemFunction(upperName, params);
}

std::string errorOf(const char* upperName, std::vector<Variant> params) {
    try {
        callSystemFunction(upperName, params);
    } catch (const Exception& e) {
        return e.message();
    }
    return "(no error)";
}

}  // namespace

TEST(LibraryFunctions, ResultsAsText) {
    ScopedFormatSettings english(FormatSettings::english());
    struct Case { const char* name; std::vector<Variant> params; const char* expected; };
    const Case cases[] = {
        {"INTTOSTR", {12.7}, "13"},
        {"INTTOSTR", {12.5}, "12"},
        {"INTTOSTR", {-7}, "-7"},
        {"TRUNC", {12.7}, "12"},
        {"ROUND", {12.5}, "12"},
        {"ROUND", {13.5}, "14"},
        {"INT", {-3.7}, "-3"},
        {"FRAC", {-3.5}, "-0.5"},
        {"COPY", {"ABCDEF", 3, 2}, "CD"},
        {"COPY", {"ABC", 5, 1}, ""},
        {"POS", {"x", "abc"}, "0"},
        {"LENGTH", {12345}, "5"},
        {"LENGTH", {"čšž"}, "3"},
        {"ORD", {""}, "0"},
        {"CHR", {321}, "A"},
        {"NAMECASE", {"jOHN smith"}, "John Smith"},
        {"UPPERCASE", {"abč"}, "ABČ"},
        {"TRIM", {"\t a b \r\n"}, "a b"},
        {"FORMATFLOAT", {"000000", 42}, "000042"},
        {"FORMAT", {"%d-%s|%5.1f", Variant::arrayOf({7, "x", 2.25})}, "7-x|  2.3"},
        {"FORMAT", {"%d%%", 5}, "5%"},
        {"FORMATDATETIME", {"yyyy-mm-dd hh:nn", Variant::date(36526.5)}, "2000-01-01 12:00"},
        {"FORMATMASKTEXT", {"000-000;0;_", "123456"}, "123-456"},
        {"DAYOFWEEK", {call("ENCODEDATE", {2000, 1, 1})}, "7"},
        {"ISLEAPYEAR", {1900}, "False"},
        {"DAYSINMONTH", {2000, 2}, "29"},
        {"STRTOINT", {"$1F"}, "31"},
        {"VARTOSTR", {Variant::null()}, ""},
        {"DATETOSTR", {36526.75}, "1/1/2000"},
        {"DATETIMETOSTR", {36526.75}, "1/1/2000 6:00:00 PM"},
        {"VALIDINT", {"12a"}, "False"},
        {"VALIDFLOAT", {"1.5"}, "True"},
        {"VALIDDATE", {"2/30/2000"}, "False"},
        {"VARTYPE", {"s"}, "256"},
        {"VARTYPE", {Variant::null()}, "1"},
        {"COMPARETEXT", {"abc", "ABC"}, "0"},
    };
    for (const Case& c : cases) EXPECT_EQ(call(c.name, c.params).toString(), c.expected) << c.name;
}

TEST(LibraryFunctions, FormatFloatUsesTheLocaleSeparators) {
    ScopedFormatSettings slovenian(FormatSettings::slovenian());
    EXPECT_EQ(call("FORMATFLOAT", {"#,##0.00", 1234.5}).toString(), "1.234,50");
    EXPECT_EQ(call("FLOATTOSTR", {0.5}).toString(), "0,5");
    EXPECT_DOUBLE_EQ(call("STRTOFLOAT", {"2,5"}).toDouble(), 2.5);
}

TEST(LibraryFunctions, ErrorTexts) {
    ScopedFormatSettings english(FormatSettings::english());
    struct Case { const char* name; std::vector<Variant> params; const char* message; };
    const Case cases[] = {
        {"STRTOINT", {"abc"}, "'abc' is not a valid integer value"},
        {"STRTOFLOAT", {"1,5"}, "'1,5' is not a valid floating point value"},
        {"STRTODATE", {"x"}, "'x' is not a valid date"},
        {"STRTOTIME", {"25:99"}, "'25:99' is not a valid time"},
        {"STRTODATETIME", {"x"}, "'x' is not a valid date and time"},
        {"ENCODEDATE", {2001, 2, 29}, "Invalid argument to date encode"},
        {"ENCODETIME", {24, 0, 0, 0}, "Invalid argument to time encode"},
        {"DAYSINMONTH", {2000, 13}, "DaysInMonth: month 13 is not in the range 1..12"},
        {"RAISEEXCEPTION", {"Stop here"}, "Stop here"},
        {"SQRT", {-1}, "Invalid floating point operation"},
        {"LN", {0}, "Floating point division by zero"},
        {"EXP", {1000}, "Floating point overflow"},
        {"CREATEOLEOBJECT", {"Excel.Application"},
         "CreateOleObject('Excel.Application'): automation objects are not available on this platform"},
        {"VARARRAYCREATE", {Variant::arrayOf({0}), 12}, "Error creating variant or safe array"},
        {"VARARRAYCREATE", {Variant::arrayOf({0, 1 << 30}), 12}, "Error creating variant or safe array"},
        {"NOSUCHFUNCTION", {}, "Unknown function NOSUCHFUNCTION"},
    };
    for (const Case& c : cases) EXPECT_EQ(errorOf(c.name, c.params), c.message) << c.name;
}

TEST(LibraryFunctions, ByReferenceParametersAreWrittenBack) {
    std::vector<Variant> d{Variant::date(36526.75), 0, 0, 0};
    callSystemFunction("DECODEDATE", d);
    EXPECT_EQ(d[1].toInt() * 10000 + d[2].toInt() * 100 + d[3].toInt(), 20000101);
    std::vector<Variant> t{Variant::date(0.75 + 1.5 / 86400), 0, 0, 0, 0};
    callSystemFunction("DECODETIME", t);
    EXPECT_EQ((std::vector<int>{t[1].toInt(), t[2].toInt(), t[3].toInt(), t[4].toInt()}),
              (std::vector<int>{18, 0, 1, 500}));

    std::vector<Variant> del{"ABCDEF", 2, 3};
    callSystemFunction("DELETE", del);
    EXPECT_EQ(del[0].toString(), "AEF");
    std::vector<Variant> ins{"xy", "ABC", 2};
    callSystemFunction("INSERT", ins);
    EXPECT_EQ(ins[1].toString(), "AxyBC");

    std::vector<Variant> inc{5};
    callSystemFunction("INC", inc);
    EXPECT_TRUE(inc[0].identical(Variant(6)));
    std::vector<Variant> dec{1.5, 2};
    callSystemFunction("DEC", dec);
    EXPECT_DOUBLE_EQ(dec[0].toDouble(), -0.5);

    std::vector<Variant> s{"abcdef", 3};
    callSystemFunction("SETLENGTH", s);
    EXPECT_EQ(s[0].toString(), "abc");
}

TEST(LibraryFunctions, VariantArrays) {
    Variant a = call("VARARRAYCREATE", {Variant::arrayOf({1, 3, 0, 1}), 3});
    EXPECT_EQ(call("LENGTH", {a}).toInt(), 3);
    EXPECT_EQ(call("VARTYPE", {a}).toInt(), 8192 | 12);
    EXPECT_TRUE(a.at({3, 1}).identical(Variant(0)));
    a.at({2, 1}) = "kept";
    std::vector<Variant> p{a, 5};
    callSystemFunction("SETLENGTH", p);
    EXPECT_EQ(p[0].arrayHigh(0), 4);
    EXPECT_EQ(p[0].at({2, 1}).toString(), "kept");
    EXPECT_TRUE(p[0].at({4, 0}).isEmpty());
}

TEST(LibraryFunctions, ShowMessageGoesThroughTheHook) {
    std::string shown;
    setShowMessageHook([&](const std::string& s) { shown = s; });
    call("SHOWMESSAGE", {12.5});
    setShowMessageHook(nullptr);
    EXPECT_EQ(shown, "12.5");
}

TEST(LibraryFunctions, RandomStaysInTheUnitInterval) {
    call("RANDOMIZE", {});
    for (int i = 0; i < 1000; ++i) {
        const double r = call("RANDOM", {}).toDouble();
        ASSERT_TRUE(r >= 0 && r < 1) << r;
    }
}

TEST(LibraryFunctions, EveryDeclarationNamesADistinctFunctionOfAKnownCategory) {
    const std::set<std::string> categories{"ctConv", "ctFormat", "ctDate", "ctString", "ctMath", "ctOther"};
    std::set<std::string> names;
    for (const LibraryFunction* f : systemFunctions().functions()) {
        EXPECT_TRUE(categories.count(f->category)) << f->declaration;
        EXPECT_TRUE(names.insert(std::string(declaredName(f->declaration))).second) << f->declaration;
    }
    EXPECT_EQ(declaredName("macrofunction IIF(Expr: Boolean): Variant"), "IIF");
    EXPECT_EQ(declaredName("function Pi: Extended"), "Pi");
}
