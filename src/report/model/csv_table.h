#pragma once
// A table read from comma-separated values: the first line names the fields, every further
// line is a record of text values.
//
// The rules:
// - The bytes are UTF-8 when all of them are valid UTF-8, otherwise Windows-1250; a UTF-8
//   byte order mark at the start is dropped.
// - The separator is a comma or a semicolon, whichever occurs more often outside quotes in the
//   header line; the semicolon on a tie (it is what spreadsheets write where the comma is the
//   decimal separator), the comma when the header names a single field.
// - A field that starts with a double quote is quoted: it ends at the next single double quote,
//   a doubled one stands for one double quote, and separators and line breaks inside are part
//   of the value. Text between the closing quote and the next separator is appended to the
//   value. A double quote inside an unquoted field is an ordinary character.
// - Records end at CR LF, LF or a lone CR. Lines that are completely empty are skipped.
// - Field names lose the blanks around them; a name given twice (letter case ignored) is an
//   error. A record with fewer values than the header has empty values for the rest; one with
//   more is an error.
// Errors are EFormatError "<source>:<line>: <what>", line counted from 1 in the file and
// naming the line where the record starts.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumaro {

class CsvTable {
public:
    CsvTable() = default;

    // Parses the bytes of a CSV file; `source` (the file name) starts every error message.
    static CsvTable parse(std::string_view bytes, const std::string& source);

    const std::vector<std::string>& fieldNames() const { return names_; }
    size_t rowCount() const { return rowStarts_.empty() ? 0 : rowStarts_.size() - 1; }
    // Value of `field` in `row`; empty for a field beyond the values of a short record.
    std::string_view value(size_t row, size_t field) const;
    char separator() const { return separator_; }

private:
    std::vector<std::string> names_;
    char separator_ = ',';
    // The values of all records one after another, where each one ends, and where each
    // record's values start in cellEnds_ (with one entry more at the end).
    std::string text_;
    std::vector<uint32_t> cellEnds_;
    std::vector<uint32_t> rowStarts_;
};

}  // namespace lumaro
