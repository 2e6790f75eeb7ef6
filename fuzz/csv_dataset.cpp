// Fuzz target for CSV data sets: arbitrary bytes are read as a CSV file. Reading either fails
// with a message that names the file, or gives a table of valid UTF-8 whose field names are
// distinct; written back as CSV and read again it gives the same table; the data set walks
// every row and field of it.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/error.h"
#include "core/text.h"
#include "fuzz_check.h"
#include "report/model/csv_dataset.h"

using namespace lumaro;

namespace {

const std::string kSource = "fuzz.csv";

void appendQuoted(std::string& out, std::string_view value) {
    out += '"';
    for (char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

// The table as a CSV file: UTF-8 with a byte order mark, semicolons, every value quoted.
std::string written(const CsvTable& t) {
    std::string out = "\xEF\xBB\xBF";
    const size_t fields = t.fieldNames().size();
    for (size_t f = 0; f < fields; ++f) {
        if (f) out += ';';
        appendQuoted(out, t.fieldNames()[f]);
    }
    out += "\r\n";
    for (size_t r = 0; r < t.rowCount(); ++r) {
        for (size_t f = 0; f < fields; ++f) {
            if (f) out += ';';
            appendQuoted(out, t.value(r, f));
        }
        out += "\r\n";
    }
    return out;
}

void checkTable(const CsvTable& t) {
    CHECK(t.separator() == ',' || t.separator() == ';');
    const auto& names = t.fieldNames();
    CHECK(!names.empty());
    for (size_t i = 0; i < names.size(); ++i) {
        CHECK(isValidUtf8(names[i]));
        CHECK(names[i] == trim(names[i]));
        for (size_t j = 0; j < i; ++j) CHECK(names[i].empty() || !sameText(names[i], names[j]));
    }
    for (size_t r = 0; r < t.rowCount(); ++r)
        for (size_t f = 0; f <= names.size(); ++f) CHECK(isValidUtf8(t.value(r, f)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TfrxCsvDataSet ds;
    try {
        ds.LoadFromBytes(bytes, kSource);
    } catch (const EFormatError& e) {
        const std::string m = e.message();
        CHECK(m.rfind(kSource + ":", 0) == 0);
        return 0;
    }
    const CsvTable& t = ds.Table();
    checkTable(t);

    const CsvTable again = CsvTable::parse(written(t), kSource);
    CHECK(again.fieldNames() == t.fieldNames());
    CHECK(again.rowCount() == t.rowCount());
    for (size_t r = 0; r < t.rowCount(); ++r)
        for (size_t f = 0; f < t.fieldNames().size(); ++f) CHECK(again.value(r, f) == t.value(r, f));

    CHECK(ds.RecordCount() == static_cast<int>(t.rowCount()));
    int rows = 0;
    for (ds.Initialize(); !ds.Eof(); ds.Next(), ++rows) {
        CHECK(ds.RecNo() == rows);
        for (const std::string& field : ds.FieldList()) {
            const Variant v = ds.Value(field);
            CHECK(v.isString());
            CHECK(ds.DisplayText(field) == v.rawString());
            const TfrxFieldType type = ds.FieldType(field);
            CHECK(type == fftNumeric || type == fftString || type == fftBoolean);
        }
    }
    CHECK(rows == ds.RecordCount());
    ds.Finalize();
    return 0;
}
