// The same Pascal expressions run by our interpreter and by Free Pascal (fpc -Mdelphi): checks
// that script calls reach the formatting and conversion functions with the arguments
// converted as Delphi converts them (open arrays of Format, date sums, real literals). Values
// where Free Pascal and Delphi themselves differ (general float format below 0.0001) are
// left out; the core oracle tests cover the functions in breadth.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/format_settings.h"
#include "script/library/system_functions.h"
#include "script/script.h"
#include "support/oracle.h"
#include "support/temp_dir.h"

using namespace lumaro;

namespace {

// Expressions of type string, valid in PascalScript and in Free Pascal.
const char* const kExpressions[] = {
    "Format('%5.2f|%-4d|%s|%x|%3d%%', [3.14159, 42, 'abc', 255, 7])",
    "Format('%.3e|%n|%g|%8.3s|', [12345.678, 1234567.891, 0.1, 'abcdef'])",
    "FormatFloat('#,##0.00', 1234.5) + '|' + FormatFloat('000000', 42)",
    "FormatFloat('0.###E+00', 123456) + '|' + FormatFloat('#,##0.00;(#,##0.00);zero', -1234.5)",
    "FormatDateTime('dd.mm.yyyy hh:nn:ss', EncodeDate(2024, 2, 29) + EncodeTime(13, 5, 9, 0))",
    "FormatDateTime('ddd d mmm yy, dddd mmmm', EncodeDate(2000, 1, 1))",
    "DateToStr(EncodeDate(2024, 2, 29)) + '|' + DateTimeToStr(EncodeDate(2024, 2, 29) + EncodeTime(6, 0, 0, 0))",
    "TimeToStr(EncodeTime(23, 59, 58, 0)) + '|' + DateTimeToStr(EncodeDate(2001, 12, 31))",
    "FloatToStr(0.1 + 0.2) + '|' + FloatToStr(1E20) + '|' + FloatToStr(-0.0001234)",
    "IntToStr(Round(2.5)) + IntToStr(Round(3.5)) + IntToStr(Round(-2.5)) + '|' + IntToStr(Trunc(-12.7))",
    "FloatToStr(Int(-2.5)) + '|' + FloatToStr(Frac(-2.75)) + '|' + IntToStr(DayOfWeek(EncodeDate(2000, 1, 1)))",
    "Copy('ABCDEF', 3, 2) + Copy('ABC', 5, 1) + '|' + Trim('  x  ') + '|' + UpperCase('abc') + LowerCase('DEF')",
    "IntToStr(StrToInt('$1F')) + '|' + FloatToStr(StrToFloat('2,5')) + '|' + DateToStr(StrToDate('29.2.2024'))",
    "FloatToStr(Sqrt(2)) + '|' + FloatToStr(Exp(1)) + '|' + FloatToStr(Ln(10)) + '|' + FloatToStr(ArcTan(1) * 4)",
    "IntToStr(Pos('c', 'abcabc')) + IntToStr(Length('hello')) + IntToStr(Ord('A')) + Chr(66)",
};

FormatSettings settings() {
    FormatSettings fs = FormatSettings::english();
    fs.decimalSeparator = ",";
    fs.thousandSeparator = ".";
    fs.dateSeparator = ".";
    fs.shortDateFormat = "d.m.yyyy";
    fs.longTimeFormat = "hh:nn:ss";
    return fs;
}

std::string ours(const std::string& expression) {
    std::string out;
    setShowMessageHook([&](const std::string& s) { out = s; });
    TfsScript script(&fsGlobalUnit());
    script.SetText("begin ShowMessage(" + expression + ") end.");
    try {
        if (script.Compile()) script.Execute();
        else out = "compile error: " + script.ErrorMsg();
    } catch (const std::exception& e) {
        out = std::string("error: ") + e.what();
    }
    setShowMessageHook(nullptr);
    return out;
}

}  // namespace

TEST(LibraryOracle, ExpressionsAgreeWithFreePascal) {
    LUMARO_REQUIRE_ORACLE("fpc");
    const FormatSettings fs = settings();
    ScopedFormatSettings scoped(fs);
    lumaro::testing::TempDir dir("library_oracle");
    {
        std::ofstream src(dir.file("oracle.pas"));
        src << "program oracle;\n{$mode delphi}{$H+}\nuses SysUtils;\nbegin\n"
            << "  DefaultFormatSettings.DecimalSeparator := '" << fs.decimalSeparator << "';\n"
            << "  DefaultFormatSettings.ThousandSeparator := '" << fs.thousandSeparator << "';\n"
            << "  DefaultFormatSettings.DateSeparator := '" << fs.dateSeparator << "';\n"
            << "  DefaultFormatSettings.ShortDateFormat := '" << fs.shortDateFormat << "';\n"
            << "  DefaultFormatSettings.LongTimeFormat := '" << fs.longTimeFormat << "';\n";
        for (const char* e : kExpressions) src << "  writeln(" << e << ");\n";
        src << "end.\n";
    }
    int status = 0;
    const std::string log =
        lumaro::testing::runCommand("cd '" + dir.path().string() + "' && fpc -Mdelphi -O1 oracle.pas 2>&1", &status);
    ASSERT_EQ(status, 0) << log;
    std::istringstream fpc(lumaro::testing::runCommand("'" + dir.file("oracle") + "'", &status));
    ASSERT_EQ(status, 0);
    for (const char* e : kExpressions) {
        std::string expected;
        std::getline(fpc, expected);
        EXPECT_EQ(ours(e), expected) << e;
    }
}
