// CSV files as data sets: the table rules (one table of cases), navigation and field types,
// reading files, and binding a file to a report under a data-set name.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/error.h"
#include "report/model/band.h"
#include "report/model/csv_dataset.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/views/memo_view.h"
#include "report_test_util.h"
#include "support/case_name.h"
#include "support/raised.h"
#include "support/temp_dir.h"

using namespace lumaro;
using namespace lumaro::testing;

namespace {

using Rows = std::vector<std::vector<std::string>>;

struct TableCase {
    std::string what;
    std::string bytes;
    std::vector<std::string> fields = {};
    Rows rows = {};  // values of each row, as many as the header has fields
    char separator = 0;
    std::string error = {};
};

std::ostream& operator<<(std::ostream& os, const TableCase& c) { return os << c.what; }

const TableCase kTableCases[] = {
    // separators and line ends
    {"comma and LF", "Lot,Kos\nA1,10\nB2,20\n", {"Lot", "Kos"}, {{"A1", "10"}, {"B2", "20"}}, ','},
    {"semicolon and CR LF", "Lot;Kos\r\nA1;10\r\nB2;20\r\n", {"Lot", "Kos"}, {{"A1", "10"}, {"B2", "20"}}, ';'},
    {"lone CR ends records too", "a;b\r1;2\r3;4", {"a", "b"}, {{"1", "2"}, {"3", "4"}}, ';'},
    {"no line break after the last record", "a,b\n1,2", {"a", "b"}, {{"1", "2"}}, ','},
    {"more semicolons than commas in the header", "Cena, EUR;Kos;Lot\n1,5;2;x\n", {"Cena, EUR", "Kos", "Lot"},
     {{"1,5", "2", "x"}}, ';'},
    {"as many commas as semicolons: semicolon", "a,b;c\n1,2;3\n", {"a,b", "c"}, {{"1,2", "3"}}, ';'},
    {"separators inside quotes do not count", "\"a;b;c\",d\n1,2\n", {"a;b;c", "d"}, {{"1", "2"}}, ','},
    {"one field: comma", "Koda\n3831029301673\n", {"Koda"}, {{"3831029301673"}}, ','},
    // quotes
    {"quoted values with separators and doubled quotes", "a,b\n\"x,y\",\"say \"\"hi\"\"\"\n", {"a", "b"},
     {{"x,y", "say \"hi\""}}, ','},
    {"line breaks inside quotes are kept", "a;b\n\"one\ntwo\";\"3\r\n4\"\n5;6\n", {"a", "b"},
     {{"one\ntwo", "3\r\n4"}, {"5", "6"}}, ';'},
    {"empty quoted value", "a,b\n\"\",x\n", {"a", "b"}, {{"", "x"}}, ','},
    {"text after the closing quote is appended", "a,b\n\"ab\"c,d\n", {"a", "b"}, {{"abc", "d"}}, ','},
    {"a quote inside an unquoted value is a character", "a,b\nab\"c,d\n", {"a", "b"}, {{"ab\"c", "d"}}, ','},
    {"quoted field names", "\"Lot\";\"Kos\"\n1;2\n", {"Lot", "Kos"}, {{"1", "2"}}, ';'},
    // encodings
    {"UTF-8", "Šifra;Količina\nČ1;žž\n", {"Šifra", "Količina"}, {{"Č1", "žž"}}, ';'},
    {"UTF-8 byte order mark is dropped", "\xEF\xBB\xBFLot;Kos\n1;2\n", {"Lot", "Kos"}, {{"1", "2"}}, ';'},
    {"Windows-1250", "\x8Aifra;Koli\xE8ina\n\xC8" "1;\x9E\x9E\n", {"Šifra", "Količina"}, {{"Č1", "žž"}}, ';'},
    {"one invalid byte makes the whole file Windows-1250", "a;b\n\xC4\x8D;\xE8\n", {"a", "b"}, {{"ÄŤ", "č"}}, ';'},
    // empty lines, ragged rows, names
    {"empty lines are skipped", "\n\na,b\n\n1,2\r\n\r\n3,4\n\n", {"a", "b"}, {{"1", "2"}, {"3", "4"}}, ','},
    {"a line of separators is a row of empty values", "a;b\n;\n", {"a", "b"}, {{"", ""}}, ';'},
    {"a short row gets empty values", "a;b;c\n1\n1;2\n", {"a", "b", "c"}, {{"1", "", ""}, {"1", "2", ""}}, ';'},
    {"a separator at the very end is one more empty value", "a,b\n1,", {"a", "b"}, {{"1", ""}}, ','},
    {"blanks around names go, around values stay", " Lot , Kos\n x , 2 \n", {"Lot", "Kos"}, {{" x ", " 2 "}}, ','},
    {"only a header", "Lot;Kos\r\n", {"Lot", "Kos"}, {}, ';'},
    {"empty names may repeat", "a,,\n1,2,3\n", {"a", "", ""}, {{"1", "2", "3"}}, ','},
    // errors
    {"a row with more values", "a;b\n1;2\n\"x\ny\";2;3\n", {}, {}, 0, "data.csv:3: 3 values, but the header names 2 fields"},
    {"more values than one field", "a\n1,2\n", {}, {}, 0, "data.csv:2: 2 values, but the header names 1 field"},
    {"line numbers count line breaks inside quotes", "a;b\n\"1\n\n2\";2\r\n1;2;3\n", {}, {}, 0,
     "data.csv:5: 3 values, but the header names 2 fields"},
    {"a quote that is never closed", "a;b\n1;2\n\"3;4\n5;6\n", {}, {}, 0,
     "data.csv:3: the quoted value that starts here has no closing quote"},
    {"a field name twice", "Lot;Kos;lot\n", {}, {}, 0, "data.csv:1: the field name \"lot\" is given twice"},
    {"an empty file", "", {}, {}, 0, "data.csv: the file has no header line"},
    {"only a byte order mark and line breaks", "\xEF\xBB\xBF\r\n\n", {}, {}, 0, "data.csv: the file has no header line"},
};

class CsvTableRules : public ::testing::TestWithParam<TableCase> {};

TEST_P(CsvTableRules, Case) {
    const TableCase& c = GetParam();
    if (!c.error.empty()) {
        EXPECT_EQ(raisedWithClass([&] { CsvTable::parse(c.bytes, "data.csv"); }), "EFormatError: " + c.error);
        return;
    }
    const CsvTable t = CsvTable::parse(c.bytes, "data.csv");
    EXPECT_EQ(t.separator(), c.separator);
    EXPECT_EQ(t.fieldNames(), c.fields);
    ASSERT_EQ(t.rowCount(), c.rows.size());
    for (size_t r = 0; r < c.rows.size(); ++r) {
        ASSERT_EQ(c.rows[r].size(), c.fields.size()) << "case table, row " << r;
        for (size_t f = 0; f < c.fields.size(); ++f) EXPECT_EQ(t.value(r, f), c.rows[r][f]) << "row " << r << " field " << f;
        EXPECT_EQ(t.value(r, c.fields.size()), "");
    }
    EXPECT_EQ(t.value(c.rows.size(), 0), "");
}

INSTANTIATE_TEST_SUITE_P(Csv, CsvTableRules, ::testing::ValuesIn(kTableCases), NameFromWhat());

std::unique_ptr<TfrxCsvDataSet> loaded(const std::string& bytes) {
    auto ds = std::make_unique<TfrxCsvDataSet>();
    ds->LoadFromBytes(bytes, "data.csv");
    return ds;
}

TEST(CsvDataSet, NavigatesRowByRow) {
    TfrxCsvDataSet ds;
    ds.LoadFromBytes("Lot;Kos\nA;1\nB;2\nC;3\n", "data.csv");
    EXPECT_EQ(ds.FieldList(), (Lines{"Lot", "Kos"}));
    EXPECT_EQ(ds.RecordCount(), 3);
    std::string seen;
    for (ds.Initialize(); !ds.Eof(); ds.Next()) seen += std::to_string(ds.RecNo()) + ds.DisplayText("lot") + ds.DisplayText("KOS") + " ";
    EXPECT_EQ(seen, "0A1 1B2 2C3 ");
    EXPECT_TRUE(ds.Value("Lot").isNull());  // past the last row
    ds.First();
    EXPECT_TRUE(ds.Value("Kos").isString());
    EXPECT_EQ(ds.Value("Kos").rawString(), "1");
    EXPECT_TRUE(ds.Value("Nothing").isNull());
    EXPECT_EQ(ds.DisplayText("Nothing"), "");
    ds.Prior();
    EXPECT_TRUE(ds.Value("Lot").isNull());
    ds.Finalize();

    // A range that ends after a count ends the rows early.
    ds.SetRangeEnd(reCount);
    ds.SetRangeEndCount(2);
    EXPECT_EQ(ds.RecordCount(), 2);
    int rows = 0;
    for (ds.First(); !ds.Eof(); ds.Next()) ++rows;
    EXPECT_EQ(rows, 2);
}

TEST(CsvDataSet, OnlyAHeaderIsEmptyAtOnce) {
    TfrxCsvDataSet ds;
    ds.LoadFromBytes("Lot;Kos\n", "data.csv");
    ds.Initialize();
    EXPECT_TRUE(ds.Eof());
    EXPECT_EQ(ds.RecordCount(), 0);
    EXPECT_EQ(ds.FieldType("Lot"), fftString);
}

TEST(CsvDataSet, FieldTypesFollowTheValues) {
    struct Case {
        std::vector<std::string> values;
        TfrxFieldType type;
    } cases[] = {
        {{"1", "-2", "+3", "4.5", "0,25", "0"}, fftNumeric},
        {{"10", ""}, fftNumeric},                  // empty values do not count
        {{"123456789012345"}, fftNumeric},         // 15 digits
        {{"1234567890123456"}, fftString},         // 16 digits do not survive a double
        {{"0012345678901234567"}, fftString},      // a code with leading zeros
        {{"1.", ".5", "1e3", "1 000"}, fftString},
        {{"1", "x"}, fftString},
        {{"True", "false", "TRUE"}, fftBoolean},
        {{"True", "1"}, fftString},
        {{"", ""}, fftString},
    };
    for (const Case& c : cases) {
        std::string csv = "f\n";
        for (const std::string& v : c.values) csv += "\"" + v + "\"\n";
        EXPECT_EQ(loaded(csv)->FieldType("F"), c.type) << csv;
    }
    EXPECT_EQ(loaded("a\n1\n")->FieldType("missing"), fftString);
}

TEST(CsvDataSet, ReadsFilesWithinTheLimit) {
    TempDir dir("csv");
    const std::string file = dir.file("podatki.csv");
    std::ofstream(file, std::ios::binary) << "Lot;Kos\r\n7;8\r\n";
    TfrxCsvDataSet ds;
    ds.LoadFromFile(file);
    EXPECT_EQ(ds.FileName(), file);
    EXPECT_EQ(ds.DisplayText("Kos"), "8");

    EXPECT_EQ(raisedWithClass([&] { ds.LoadFromFile(dir.file("missing.csv")); }),
              "EFileError: Cannot open file \"" + dir.file("missing.csv") + "\". No such file or directory");
    EXPECT_EQ(raisedWithClass([&] { ds.LoadFromFile(dir.path().string()); }),
              "EFileError: Cannot open file \"" + dir.path().string() + "\". Is a directory");

    // A sparse file just above the limit is refused without being read.
    const std::string big = dir.file("big.csv");
    std::ofstream(big, std::ios::binary) << "a\n";
    std::filesystem::resize_file(big, TfrxCsvDataSet::kMaxFileSize + 1);
    EXPECT_EQ(raisedWithClass([&] { ds.LoadFromFile(big); }),
              "EFileError: Cannot read file \"" + big + "\". It is larger than 256 MB");
    // A failed load keeps what was there.
    EXPECT_EQ(ds.DisplayText("Kos"), "8");

    const std::string bad = dir.file("bad.csv");
    std::ofstream(bad, std::ios::binary) << "a\n1,2\n";
    EXPECT_EQ(raisedWithClass([&] { ds.LoadFromFile(bad); }), "EFormatError: " + bad + ":2: 2 values, but the header names 1 field");
}

class CsvBinding : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream(file, std::ios::binary) << "Lot;Kos\n7;8\n9;10\n";
        std::ofstream(other, std::ios::binary) << "Lot\nX\n";
    }
    TempDir dir{"csvbind"};
    const std::string file = dir.file("artikli.csv");
    const std::string other = dir.file("drugi.csv");
};

TEST_F(CsvBinding, ObjectsThatNameTheDataSetFindIt) {
    TfrxReport report;
    auto* band = add<TfrxMasterData>(*add<TfrxReportPage>(report, "Page1"), "MasterData1");
    auto* memo = add<TfrxMemoView>(*band, "Memo1");
    band->SetDataSetName("Artikli");
    memo->SetDataSetName("ARTIKLI");
    memo->SetDataField("Lot");
    report.DataSets().Add()->SetDataSetName("artikli");
    ASSERT_EQ(band->DataSet(), nullptr);

    TfrxCsvDataSet& ds = bindCsvDataSet(report, "Artikli", file);
    EXPECT_EQ(ds.UserName(), "Artikli");
    EXPECT_EQ(band->DataSet(), &ds);
    EXPECT_EQ(memo->DataSet(), &ds);
    EXPECT_EQ(report.DataSets().Count(), 1);  // the template's item, no second one
    EXPECT_EQ(report.GetDataset("artikli"), &ds);
    EXPECT_EQ(ds.DisplayText("Kos"), "8");

    // Binding the name again replaces the data set everywhere.
    TfrxCsvDataSet& again = bindCsvDataSet(report, "artikli", other);
    EXPECT_EQ(band->DataSet(), &again);
    EXPECT_EQ(memo->DataSet(), &again);
    EXPECT_EQ(report.GetDataset("Artikli"), &again);
    EXPECT_EQ(again.FieldList(), Lines{"Lot"});
}

TEST_F(CsvBinding, TheBindingOutlivesClearAndLoadsAndIsNotSaved) {
    TfrxReport report;
    TfrxCsvDataSet& ds = bindCsvDataSet(report, "Artikli", file);
    EXPECT_EQ(report.DataSets().Count(), 1);  // added when the report has no item of that name
    loadTemplate(report, templateWith("", "<TfrxReportPage Name=\"Page1\"><TfrxMasterData Name=\"MasterData1\" "
                                          "DataSetName=\"Artikli\"/></TfrxReportPage>"));
    auto* band = dynamic_cast<TfrxMasterData*>(report.FindObject("MasterData1"));
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->DataSet(), &ds);
    const std::string saved = saveTemplate(report);
    EXPECT_EQ(saved.find("TfrxCsvDataSet"), std::string::npos) << saved;

    const auto& all = frxDataSetList();
    {
        TfrxReport other;
        TfrxCsvDataSet& gone = bindCsvDataSet(other, "Drugi", this->other);
        EXPECT_NE(std::find(all.begin(), all.end(), &gone), all.end());
    }
    EXPECT_EQ(frxFindDataSet(&report, "Drugi"), nullptr);  // went with its report
}

TEST_F(CsvBinding, ErrorsNameTheFile) {
    TfrxReport report;
    const std::string missing = dir.file("nothing.csv");
    EXPECT_EQ(raisedMessage([&] { bindCsvDataSet(report, "Artikli", missing); }),
              "Cannot open file \"" + missing + "\". No such file or directory");
    EXPECT_FALSE(raisedMessage([&] { bindCsvDataSet(report, " ", file); }).empty());
    EXPECT_EQ(report.DataSets().Count(), 0);
    EXPECT_EQ(frxFindDataSet(&report, "Artikli"), nullptr);
}

}  // namespace
