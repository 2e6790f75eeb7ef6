#include "report/model/csv_dataset.h"

#include <algorithm>
#include <climits>

#include "core/error.h"
#include "core/stream.h"
#include "core/text.h"
#include "report/model/report.h"
#include "report/registry/class_builder.h"

namespace lumaro {

namespace {

// The one place where a CSV file is read. The limit keeps a wrong file (a disk image, a
// device) from taking all memory; it is checked before reading and again while reading, for
// files whose size the system does not know in advance.
std::string readFileBounded(const std::string& fileName, int64_t limit) {
    FileStream file(fileName, FileStream::Mode::Read);
    const auto tooLarge = [&] {
        return EFileError("Cannot read file \"" + fileName + "\". It is larger than " + std::to_string(limit >> 20) +
                          " MB");
    };
    if (file.Size() > limit) throw tooLarge();
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const size_t n = file.Read(buffer, sizeof buffer);
        if (n == 0) return bytes;
        if (static_cast<int64_t>(bytes.size() + n) > limit) throw tooLarge();
        bytes.append(buffer, n);
    }
}

bool isDigitChar(char c) { return c >= '0' && c <= '9'; }

// A plain decimal number (see csv_dataset.h).
bool isPlainNumber(std::string_view s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    const size_t intStart = i;
    while (i < s.size() && isDigitChar(s[i])) ++i;
    const size_t intDigits = i - intStart;
    if (intDigits == 0 || (intDigits > 1 && s[intStart] == '0')) return false;
    size_t fracDigits = 0;
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        const size_t fracStart = ++i;
        while (i < s.size() && isDigitChar(s[i])) ++i;
        fracDigits = i - fracStart;
        if (fracDigits == 0) return false;
    }
    return i == s.size() && intDigits + fracDigits <= 15;
}

bool isBooleanText(std::string_view s) { return sameText(s, "True") || sameText(s, "False"); }

TfrxFieldType fieldTypeOf(const CsvTable& table, size_t field) {
    bool any = false, numbers = true, booleans = true;
    for (size_t row = 0; row < table.rowCount() && (numbers || booleans); ++row) {
        const std::string_view v = table.value(row, field);
        if (v.empty()) continue;
        any = true;
        numbers = numbers && isPlainNumber(v);
        booleans = booleans && isBooleanText(v);
    }
    if (!any) return fftString;
    return numbers ? fftNumeric : booleans ? fftBoolean : fftString;
}

}  // namespace

const ClassInfo& TfrxCsvDataSet::staticClassInfo() {
    static const ClassInfo info = ClassBuilder<TfrxCsvDataSet>("TfrxCsvDataSet", &TfrxDataSet::staticClassInfo()).build();
    return info;
}

void TfrxCsvDataSet::LoadFromFile(const std::string& fileName) {
    LoadFromBytes(readFileBounded(fileName, kMaxFileSize), fileName);
    fileName_ = fileName;
}

void TfrxCsvDataSet::LoadFromBytes(std::string_view bytes, const std::string& source) {
    CsvTable table = CsvTable::parse(bytes, source);
    std::vector<TfrxFieldType> types;
    types.reserve(table.fieldNames().size());
    for (size_t f = 0; f < table.fieldNames().size(); ++f) types.push_back(fieldTypeOf(table, f));
    table_ = std::move(table);
    types_ = std::move(types);
    fileName_.clear();
    First();
}

void TfrxCsvDataSet::Initialize() {
    TfrxDataSet::Initialize();
    First();
}

bool TfrxCsvDataSet::Eof() const {
    return RecNo() >= static_cast<int64_t>(table_.rowCount()) || TfrxDataSet::Eof();
}

int TfrxCsvDataSet::RecordCount() const {
    const int64_t rows = static_cast<int64_t>(table_.rowCount());
    const int64_t count = RangeEnd() == reCount ? std::min<int64_t>(rows, std::max(RangeEndCount(), 0)) : rows;
    return static_cast<int>(std::min<int64_t>(count, INT32_MAX));
}

int TfrxCsvDataSet::fieldIndex(std::string_view field) const {
    const auto& names = table_.fieldNames();
    for (size_t i = 0; i < names.size(); ++i)
        if (sameText(names[i], field)) return static_cast<int>(i);
    return -1;
}

bool TfrxCsvDataSet::onRow() const { return RecNo() >= 0 && static_cast<size_t>(RecNo()) < table_.rowCount(); }

Variant TfrxCsvDataSet::Value(std::string_view field) const {
    const int f = fieldIndex(field);
    if (f < 0 || !onRow()) return Variant::null();
    return Variant(table_.value(static_cast<size_t>(RecNo()), static_cast<size_t>(f)));
}

std::string TfrxCsvDataSet::DisplayText(std::string_view field) const {
    const int f = fieldIndex(field);
    if (f < 0 || !onRow()) return std::string();
    return std::string(table_.value(static_cast<size_t>(RecNo()), static_cast<size_t>(f)));
}

TfrxFieldType TfrxCsvDataSet::FieldType(std::string_view field) const {
    const int f = fieldIndex(field);
    return f < 0 ? fftString : types_[static_cast<size_t>(f)];
}

TfrxCsvDataSet& bindCsvDataSet(TfrxReport& report, const std::string& userName, const std::string& fileName) {
    auto ds = std::make_unique<TfrxCsvDataSet>();
    ds->SetUserName(userName);
    ds->LoadFromFile(fileName);
    return static_cast<TfrxCsvDataSet&>(*report.DataSets().Bind(std::move(ds)));
}

}  // namespace lumaro
