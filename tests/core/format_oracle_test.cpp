// Differential tests against Free Pascal's SysUtils (fpc -Mdelphi): FormatFloat, FormatDateTime,
// Format and FloatToStr for a few hundred generated value/picture pairs each, all in one Pascal
// program that is compiled and run once. Pairs where Delphi, which we follow, and Free Pascal
// differ are left out by `fpcDiffers...` below, each with its reason.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include <unistd.h>

#include "core/date_time.h"
#include "core/error.h"
#include "core/float_decimal.h"
#include "core/format_float.h"
#include "core/format_text.h"
#include "core/number_text.h"
#include "support/oracle.h"

using namespace lumaro;

namespace {

// The locale of both sides: comma decimals, point thousands, day-month-year.
FormatSettings oracleSettings() {
    FormatSettings fs = FormatSettings::slovenian();
    fs.timeAMString = "dop.";
    fs.timePMString = "pop.";
    fs.shortDateFormat = "d.m.yyyy";
    fs.longDateFormat = "dddd, d. mmmm yyyy";
    fs.shortTimeFormat = "hh:nn";
    fs.longTimeFormat = "hh:nn:ss";
    fs.currencyString = "EUR";
    fs.currencyFormat = 3;
    fs.negCurrFormat = 8;
    return fs;
}

std::string pascalString(std::string_view s) {
    std::string out = "'";
    for (char c : s) {
        if (c == '\'') out += '\'';
        out += c;
    }
    return out + "'";
}

std::string pascalDouble(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    char buf[40];
    std::snprintf(buf, sizeof buf, "D($%016llX)", static_cast<unsigned long long>(bits));
    return buf;
}

std::string pascalArgs(const std::vector<Variant>& args) {
    std::string out = "[";
    for (size_t i = 0; i < args.size(); ++i) {
        if (i) out += ", ";
        const Variant& a = args[i];
        if (a.isString())
            out += pascalString(a.rawString());
        else if (a.type() == VarType::Currency)
            out += "C(" + std::to_string(a.rawCurrency()) + ")";
        else if (a.isFloat())
            out += pascalDouble(a.rawDouble());
        else
            out += std::to_string(a.rawInt());
    }
    return out + "]";
}

struct OracleCase {
    std::string call;      // the Pascal statement's procedure and arguments after the index
    std::string expected;  // our result, "!" for an EConvertError
    std::string what;      // shown when they differ
};

template <class F>
std::string ours(F&& f) {
    try {
        return f();
    } catch (const EConvertError&) {
        return "!";
    }
}

// ---- FormatFloat ----

const char* const kPictures[] = {
    "0", "0.00", "#,##0.00", "#.##", "0.###", "000000", "#,##0", "#", "#.#", "0000.00", "0.0000000000",
    "0.00E+00", "0.000E-0", "##0.0E+0", "#.###e+000", "0.0E-00", "0.00;(0.00)", "0.00;-0.00;'nic'",
    "\"EUR \"#,##0.00", "#,##0.00 'kg'", "0.0,0", ",0", "#,##0.###;-#,##0.###;0", "0 %", "00-000",
    "#,###,##0.0000", "0.00 \"x\";\"minus \"0.00", "0.", ".00", "#0.#0", "[0]", "0.0#####",
    "'a;b' 0.0", "#,##0.00;;'zero'", "00.00E+0", "0E-0", "#,##0E+00", "0-0-0", "0.0\"%\"", "E 0.00",
    "##,##", "0,000,000.00", "#;#;#", "0.0000E+0000", "0.00000000000000000000", "#.##E-00",
};

const double kPictureValues[] = {
    0, 1, -1, 0.5, 1.5, 2.5, -2.5, 1234.5678, -1234.5678, 0.001, 0.125, 0.0049, 12345678.9, 1e-10,
    99.995, 123456789012.0, 2.675, 1.005, -0.004, 0.35, 987654321.125, 1e15, -7.0 / 3, 31.4159e3,
};

// Decimals shown by the first section of a picture.
int pictureDecimals(std::string_view pic) {
    const std::string_view first = pic.substr(0, pic.find(';'));
    const size_t point = first.find('.');
    int decimals = 0;
    if (point != std::string_view::npos)
        for (char c : first.substr(point)) decimals += c == '0' || c == '#';
    return decimals;
}

// For a value that rounds to zero Free Pascal keeps the value's exponent, so "#" places after
// the point print zeros ("#.##" shows 0.001 as ",00"); Delphi's decimal form of zero has
// exponent 0 and shows nothing there. And Free Pascal keeps the negative section for negative
// values that round to zero where Delphi takes the zero section.
bool fpcDiffersOnZero(std::string_view pic, bool nonZero, const FloatDecimal& rounded) {
    if (!nonZero || !rounded.isZero()) return false;
    const bool threeSections = std::count(pic.begin(), pic.end(), ';') >= 2;
    const size_t point = pic.find('.');
    const bool hashDecimals = point != std::string_view::npos && pic.find('#', point) != std::string_view::npos;
    return threeSections || hashDecimals;
}

bool fpcDiffersFormatFloat(std::string_view pic, double v) {
    // An empty negative or zero section: Free Pascal falls back to FloatToStr, Delphi to the
    // positive section.
    if (pic.find(";;") != std::string_view::npos) return true;
    return fpcDiffersOnZero(pic, v != 0, floatToDecimal(v, 17, pictureDecimals(pic)));
}

bool fpcDiffersFormatCurr(std::string_view pic, int64_t c) {
    // Free Pascal takes currency values through 17 significant digits; they are exact here.
    if (c <= -900000000000000000ll || c >= 900000000000000000ll) return true;
    return fpcDiffersOnZero(pic, c != 0, currencyToDecimal(c, 19, pictureDecimals(pic)));
}

// ---- FormatDateTime ----

const char* const kDatePictures[] = {
    "dd.mm.yyyy", "d/m/yy", "dddd, d. mmmm yyyy", "ddd d mmm", "hh:nn:ss", "h:n:s", "hh:mm", "hh:mm am/pm",
    "h a/p", "hh:nn ampm", "c", "ddddd", "dddddd", "t", "tt", "yyyy-mm-dd'T'hh:nn:ss.zzz", "z", "zzz",
    "\"Datum:\" dd.mm.yyyy", "mmmm yyyy", "yy", "m", "d", "hh:mm:ss AM/PM", "dd mmm yyyy hh:nn", "yyy",
    "mm/dd hh\"h\"nn", "HH:NN", "DD.MM.YYYY", "h:mm:ss.zzz A/P", "dd mm", "h'h'mm",
    // Not compared, where Delphi and Free Pascal differ: letters outside the picture language
    // ("x": "x" in Delphi, "X" in Free Pascal); runs of mixed case ("Dd": two tokens in Delphi,
    // one in Free Pascal); "zz" (two digits in Delphi, three in Free Pascal); "aaa"/"aaaa" (day
    // names in Delphi, an error in Free Pascal); "m" after an hour with a blank or quoted text
    // between ("h 'and' mm", "hh m": minutes in Delphi, the month in Free Pascal) or with more
    // than two letters ("hh:mmmm": two-digit minutes in Delphi); "m" after "am/pm" (the month
    // in Delphi, minutes in Free Pascal); an hour followed by another hour before the am/pm
    // marker ("hh/hh am/pm": Delphi shows only the second on the 12-hour clock).
};

double kDateValues[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

void fillDateValues() {
    const double dates[] = {encodeDate(2003, 2, 1) + encodeTime(14, 5, 9, 7), encodeDate(2000, 2, 29),
                            encodeDate(1999, 12, 31) + encodeTime(23, 59, 59, 999),
                            encodeDate(2024, 7, 4) + encodeTime(0, 0, 1, 0),
                            encodeDate(1900, 1, 1) + encodeTime(12, 0, 0, 0),
                            encodeDate(2015, 11, 28) + encodeTime(2, 14, 0, 0),
                            encodeDate(1899, 12, 30) + encodeTime(9, 3, 7, 45),
                            -1.25,
                            encodeDate(2038, 1, 19) + encodeTime(3, 14, 7, 500),
                            encodeDate(1, 1, 1) + encodeTime(11, 59, 59, 0)};
    std::copy(std::begin(dates), std::end(dates), kDateValues);
}

// ---- Format ----

struct FormatCase {
    const char* fmt;
    std::vector<Variant> args;
};

std::vector<FormatCase> formatCases() {
    std::vector<FormatCase> cases;
    const int ints[] = {0, 7, -12, 255, 123456, -2147483647 - 1, 2147483647, 65535};
    const char* const intFormats[] = {"%d", "%5d", "%-5d|", "%.5d", "%x", "%.4x", "%u", "%8.3x", "[%3d]", "%0:d-%0:x"};
    for (const char* f : intFormats)
        for (int v : ints) cases.push_back({f, {Variant(v)}});
    const double floats[] = {0, 1.5, -2.5, 1234.5678, -0.004, 0.125, 1e10, 99.995, 1e-3, -987654.321};
    const char* const floatFormats[] = {"%f", "%.3f", "%10.2f", "%-10.1f|", "%n", "%.0n", "%m", "%.3m",
                                       "%.6e", "%.10e", "%.3e", "%.5g", "%.10g", "%12.4n|", "%.0f"};
    for (const char* f : floatFormats)
        for (double v : floats) cases.push_back({f, {Variant(v)}});
    for (double v : {0.0, 1.5, -2.5, 1234.5678, 0.125, 1e10, 0.001})
        cases.push_back({"%g", {Variant(v)}});
    for (int64_t c : {int64_t(0), int64_t(12345678), int64_t(-5), int64_t(9223372036854775807)})
        for (const char* f : {"%f", "%m", "%.2n", "%.4e"}) cases.push_back({f, {Variant::currency(c)}});
    const char* const strings[] = {"", "abc", "Label text", "x"};
    for (const char* f : {"%s", "%10s|", "%-10s|", "%.3s", "%5.2s|"})
        for (const char* s : strings) cases.push_back({f, {Variant(s)}});
    cases.push_back({"%1:s %0:s %s", {Variant("a"), Variant("b"), Variant("c")}});
    cases.push_back({"%s %2:s %s", {Variant("a"), Variant("b"), Variant("c"), Variant("d")}});
    cases.push_back({"%*d|", {Variant(6), Variant(42)}});
    cases.push_back({"%-*.*f|", {Variant(9), Variant(3), Variant(3.14159)}});
    cases.push_back({"%.*s", {Variant(2), Variant("abcdef")}});
    cases.push_back({"100%% %d%%", {Variant(5)}});
    cases.push_back({"%D %S %X %F %N %U", {Variant(1), Variant("a"), Variant(255), Variant(1.5), Variant(2.5), Variant(5)}});
    cases.push_back({"Lot %s, %d kos, %.2f kg", {Variant("A12"), Variant(24), Variant(12.5)}});
    // Values of the wrong kind and missing values raise on both sides.
    cases.push_back({"%d", {Variant(1.5)}});
    cases.push_back({"%f", {Variant(5)}});
    cases.push_back({"%s", {Variant(5)}});
    cases.push_back({"%d", {Variant("5")}});
    cases.push_back({"%d %d", {Variant(5)}});
    // Not compared: Free Pascal formats a boolean with %x and %d as 0 or 1 and ignores unknown
    // conversion characters ("%k"); Delphi raises the format error for both.
    return cases;
}

// ---- FloatToStrF ----

struct FloatToStrFCase {
    FloatFormat format;
    int precision, digits;
};

const FloatToStrFCase kFloatToStrFCases[] = {
    {FloatFormat::General, 15, 0}, {FloatFormat::General, 6, 0},   {FloatFormat::General, 4, 2},
    {FloatFormat::General, 2, 4},  {FloatFormat::Exponent, 15, 3}, {FloatFormat::Exponent, 4, 0},
    {FloatFormat::Exponent, 8, 2}, {FloatFormat::Fixed, 15, 2},    {FloatFormat::Fixed, 15, 0},
    {FloatFormat::Fixed, 10, 4},   {FloatFormat::Number, 15, 2},   {FloatFormat::Number, 15, 0},
    {FloatFormat::Currency, 15, 2}, {FloatFormat::Currency, 15, 0},
};

// Where Free Pascal's FloatToStrF departs from Delphi's:
// - ffGeneral ignores Digits (the minimum exponent digits) and ffExponent with Digits 0
//   leaves out the exponent;
// - ffFixed, ffNumber and ffCurrency ignore Precision: Delphi rounds to at most Precision
//   significant digits and switches to the scientific form when the integer part is longer;
// - they round twice (to 15 digits, then to the decimals), so 2.675 (stored just below)
//   gives 2,68 where Delphi gives 2,67;
// - ffCurrency keeps the sign of a negative value that rounds to zero ("-0 EUR"), unlike
//   its own ffFixed and Delphi.
bool fpcDiffersFloatToStrF(double v, const FloatToStrFCase& c) {
    if (c.format == FloatFormat::General)
        return c.digits > 0 && floatToStrF(v, c.format, c.precision, c.digits).find('E') != std::string::npos;
    if (c.format == FloatFormat::Exponent) return c.digits == 0;
    const FloatDecimal limited = floatToDecimal(v, c.precision, c.digits);
    const FloatDecimal full = floatToDecimal(v, 17, c.digits);
    if (limited.count != full.count || full.exponent > c.precision) return true;
    if (v == 2.675 || v == 1.005) return true;
    return c.format == FloatFormat::Currency && v < 0 && full.isZero();
}

const char* const kFloatFormatNames[] = {"ffGeneral", "ffExponent", "ffFixed", "ffNumber", "ffCurrency"};

// ---- FloatToStr ----

std::vector<double> floatToStrValues() {
    std::vector<double> v = {0, 1, -1, 0.1, 1.0 / 3, 2.0 / 3, 1e15, 1e16, 123456789012345678.0, 1e20, 1.5e-7,
                             0.0001, 1e-300, 1.7976931348623157e308, 4.9e-324, 100, 1234.5678, -0.5, 3.14159265358979,
                             999999999999999.0, 9999999999999999.0, 0.30000000000000004};
    uint64_t seed = 12345;
    for (int i = 0; i < 40; ++i) {
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        const double mant = static_cast<double>(seed >> 11) / 9007199254740992.0;
        const int exp = static_cast<int>((seed >> 3) % 40) - 20;
        v.push_back((i % 2 ? -1 : 1) * mant * std::pow(10.0, exp));
    }
    return v;
}

// Delphi writes values from 0.00001 up to 0.0001 in scientific form ("1E-5"); Free Pascal in
// fixed form ("0.00001").
bool fpcDiffersFloatToStr(double v) {
    const double a = std::fabs(v);
    return a != 0 && a < 0.0001 && floatToDecimal(v, 15, 9999).exponent == -4;
}

}  // namespace

TEST(FormatOracle, FreePascalAgreesOnFloatDateAndFormatPictures) {
    LUMARO_REQUIRE_ORACLE("fpc");
    const FormatSettings fs = oracleSettings();
    fillDateValues();
    std::vector<OracleCase> cases;
    size_t counts[4] = {};
    for (const char* pic : kPictures)
        for (double v : kPictureValues) {
            if (fpcDiffersFormatFloat(pic, v)) continue;
            cases.push_back({"FF(" + pascalString(pic) + ", " + pascalDouble(v) + ")",
                             ours([&] { return formatFloat(pic, v, fs); }),
                             std::string("FormatFloat('") + pic + "', " + floatToStr(v) + ")"});
            ++counts[0];
        }
    for (const char* pic : kDatePictures)
        for (double v : kDateValues) {
            cases.push_back({"FD(" + pascalString(pic) + ", " + pascalDouble(v) + ")",
                             ours([&] { return formatDateTime(pic, v, fs); }),
                             std::string("FormatDateTime('") + pic + "', " + floatToStr(v) + ")"});
            ++counts[1];
        }
    for (const FormatCase& c : formatCases()) {
        cases.push_back({"FS(" + pascalString(c.fmt) + ", " + pascalArgs(c.args) + ")",
                         ours([&] { return format(c.fmt, c.args, fs); }),
                         std::string("Format('") + c.fmt + "', " + pascalArgs(c.args) + ")"});
        ++counts[2];
    }
    for (const FloatToStrFCase& c : kFloatToStrFCases)
        for (double v : kPictureValues) {
            if (fpcDiffersFloatToStrF(v, c)) continue;
            const char* name = kFloatFormatNames[static_cast<int>(c.format)];
            const std::string args = std::string(name) + ", " + std::to_string(c.precision) + ", " + std::to_string(c.digits);
            cases.push_back({"FloatToStrF(" + pascalDouble(v) + ", " + args + ")",
                             floatToStrF(v, c.format, c.precision, c.digits, fs),
                             "FloatToStrF(" + floatToStr(v) + ", " + args + ")"});
        }
    for (const char* pic : {"#,##0.00", "0.0000", "#.##", "0.00E+00", "#,##0;(#,##0);'-'"})
        for (int64_t c : {int64_t(0), int64_t(12345678), int64_t(-5), int64_t(-9223372036854775807), int64_t(50)}) {
            if (fpcDiffersFormatCurr(pic, c)) continue;
            cases.push_back({"FC(" + pascalString(pic) + ", C(" + std::to_string(c) + "))",
                             ours([&] { return formatCurr(pic, c, fs); }),
                             std::string("FormatCurr('") + pic + "', " + currToStr(c) + ")"});
        }
    for (double v : floatToStrValues()) {
        if (fpcDiffersFloatToStr(v)) continue;
        cases.push_back({"FT(" + pascalDouble(v) + ")", floatToStr(v, fs), "FloatToStr(" + floatToStr(v) + ")"});
        ++counts[3];
    }
    EXPECT_GE(counts[0], 200u);
    EXPECT_GE(counts[1], 200u);
    EXPECT_GE(counts[2], 200u);

    // One program for all cases.
    const std::filesystem::path dir =
        std::filesystem::path(::testing::TempDir()) / ("lumaro_format_oracle_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream src(dir / "oracle.pas");
    src << "program oracle;\n{$mode delphi}{$H+}\nuses SysUtils;\n"
           "function D(q: QWord): Double; begin Move(q, Result, 8); end;\n"
           "function C(q: Int64): Currency; begin Move(q, Result, 8); end;\n"
           "var r: string;\n"
           "procedure FF(i: Integer; const p: string; v: Double);\n"
           "begin try r := FormatFloat(p, v); except r := '!'; end; writeln(i, '|', r); end;\n"
           "procedure FD(i: Integer; const p: string; v: Double);\n"
           "begin try r := FormatDateTime(p, v); except r := '!'; end; writeln(i, '|', r); end;\n"
           "procedure FS(i: Integer; const p: string; const a: array of const);\n"
           "begin try r := Format(p, a); except r := '!'; end; writeln(i, '|', r); end;\n"
           "procedure FT(i: Integer; v: Double); begin writeln(i, '|', FloatToStr(v)); end;\n"
           "procedure FC(i: Integer; const p: string; v: Currency);\n"
           "begin try r := FormatCurr(p, v); except r := '!'; end; writeln(i, '|', r); end;\n"
           "procedure FloatToStrF(i: Integer; v: Double; f: TFloatFormat; p, d: Integer);\n"
           "begin writeln(i, '|', SysUtils.FloatToStrF(v, f, p, d)); end;\n"
           "begin\n";
    auto set = [&](const char* name, const std::string& value) {
        src << "  DefaultFormatSettings." << name << " := " << pascalString(value) << ";\n";
    };
    set("DecimalSeparator", fs.decimalSeparator);
    set("ThousandSeparator", fs.thousandSeparator);
    set("DateSeparator", fs.dateSeparator);
    set("TimeSeparator", fs.timeSeparator);
    set("ShortDateFormat", fs.shortDateFormat);
    set("LongDateFormat", fs.longDateFormat);
    set("ShortTimeFormat", fs.shortTimeFormat);
    set("LongTimeFormat", fs.longTimeFormat);
    set("TimeAMString", fs.timeAMString);
    set("TimePMString", fs.timePMString);
    set("CurrencyString", fs.currencyString);
    src << "  DefaultFormatSettings.CurrencyFormat := " << fs.currencyFormat << ";\n"
        << "  DefaultFormatSettings.NegCurrFormat := " << fs.negCurrFormat << ";\n"
        << "  DefaultFormatSettings.CurrencyDecimals := " << fs.currencyDecimals << ";\n";
    for (int m = 0; m < 12; ++m) {
        src << "  DefaultFormatSettings.ShortMonthNames[" << m + 1 << "] := " << pascalString(fs.shortMonthNames[m]) << ";\n";
        src << "  DefaultFormatSettings.LongMonthNames[" << m + 1 << "] := " << pascalString(fs.longMonthNames[m]) << ";\n";
    }
    for (int d = 0; d < 7; ++d) {
        src << "  DefaultFormatSettings.ShortDayNames[" << d + 1 << "] := " << pascalString(fs.shortDayNames[d]) << ";\n";
        src << "  DefaultFormatSettings.LongDayNames[" << d + 1 << "] := " << pascalString(fs.longDayNames[d]) << ";\n";
    }
    for (size_t i = 0; i < cases.size(); ++i) {
        std::string call = cases[i].call;
        call.insert(call.find('(') + 1, std::to_string(i) + ", ");
        src << "  " << call << ";\n";
    }
    src << "end.\n";
    src.close();

    int status = 0;
    const std::string compile = "cd '" + dir.string() + "' && fpc -Mdelphi -O1 oracle.pas 2>&1";
    const std::string log = lumaro::testing::runCommand(compile, &status);
    ASSERT_EQ(status, 0) << log;
    const std::string output = lumaro::testing::runCommand("'" + (dir / "oracle").string() + "'", &status);
    ASSERT_EQ(status, 0);

    std::map<size_t, std::string> results;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        const size_t bar = line.find('|');
        if (bar == std::string::npos) continue;
        results[std::stoul(line.substr(0, bar))] = line.substr(bar + 1);
    }
    ASSERT_EQ(results.size(), cases.size());
    size_t mismatches = 0;
    for (size_t i = 0; i < cases.size(); ++i) {
        if (results[i] == cases[i].expected) continue;
        ++mismatches;
        ADD_FAILURE() << cases[i].what << ": fpc [" << results[i] << "] ours [" << cases[i].expected << "]";
    }
    EXPECT_EQ(mismatches, 0u) << "of " << cases.size();
    std::filesystem::remove_all(dir);
}
