#pragma once
// A data set read from a CSV file (rules: csv_table.h), so that a label job can fill
// templates whose bands use data sets without a database. The header line gives the field
// names; each further record is one row.
//
// Values are always the text of the file: Value gives it as a string, DisplayText as it
// stands. FieldType only tells what the texts of a field look like, for display formats:
// - fftNumeric when the field has at least one non-empty value and every non-empty value is a
//   plain decimal number: an optional sign, digits, optionally "." or "," and more digits, at
//   most 15 digits in all (so that it survives a double), and no leading zero before another
//   digit (a text such as "0012345" is a code, not a number);
// - fftBoolean when every non-empty value is "True" or "False" (letter case ignored);
// - fftString otherwise, also for a field without any value.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "report/model/csv_table.h"
#include "report/model/dataset.h"

namespace lumaro {

class TfrxCsvDataSet : public TfrxDataSet {
    LUMARO_CLASS_INFO
public:
    // Replaces the contents by the file's table and goes to the first row. Raises EFileError
    // naming the file when it cannot be read or is larger than kMaxFileSize, EFormatError
    // "<file>:<line>: ..." for a file that is no valid table (csv_table.h).
    void LoadFromFile(const std::string& fileName);
    // The same from the bytes of a file; `source` names it in messages.
    void LoadFromBytes(std::string_view bytes, const std::string& source);
    static constexpr int64_t kMaxFileSize = int64_t{256} << 20;

    // The file of the last LoadFromFile.
    const std::string& FileName() const { return fileName_; }
    const CsvTable& Table() const { return table_; }

    // Rows are numbered by RecNo from 0; Eof after the last one.
    void Initialize() override;
    bool Eof() const override;
    // The rows of the file (at most RangeEndCount when RangeEnd is reCount).
    int RecordCount() const override;

    Lines FieldList() const override { return table_.fieldNames(); }
    // The value of a field of the current row, found without regard to letter case; Null for
    // a field the file does not have and outside the rows.
    Variant Value(std::string_view field) const override;
    std::string DisplayText(std::string_view field) const override;
    TfrxFieldType FieldType(std::string_view field) const override;

private:
    int fieldIndex(std::string_view field) const;
    bool onRow() const;

    CsvTable table_;
    std::vector<TfrxFieldType> types_;
    std::string fileName_;
};

// Reads a CSV file and binds it to `report` as the data set `userName`: the report keeps it
// (also when it is cleared or loads another template) until it is destroyed or the name is
// bound again. Objects of the report that name `userName` as their data set, and its data-set
// list, find it at once; templates loaded later find it by that name, as they find the data
// sets of the host program. Raises as LoadFromFile does, and frxGet("prInvProp") for a blank
// name.
TfrxCsvDataSet& bindCsvDataSet(TfrxReport& report, const std::string& userName, const std::string& fileName);

}  // namespace lumaro
