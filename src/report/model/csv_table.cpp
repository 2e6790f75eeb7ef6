#include "report/model/csv_table.h"

#include <limits>

#include "core/error.h"
#include "core/text.h"

namespace lumaro {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

[[noreturn]] void fail(const std::string& source, size_t line, const std::string& what) {
    throw EFormatError(source + ":" + std::to_string(line) + ": " + what);
}

// Comma or semicolon, by the header line (see csv_table.h). Either may end a field while the
// separator is not known, so a double quote after either starts a quoted field.
char detectSeparator(std::string_view text) {
    size_t commas = 0, semicolons = 0;
    size_t i = 0;
    while (i < text.size() && (text[i] == '\r' || text[i] == '\n')) ++i;  // empty lines before it
    bool fieldStart = true, quoted = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') ++i;
                else quoted = false;
            }
            continue;
        }
        if (c == '\r' || c == '\n') break;
        if (c == '"' && fieldStart) quoted = true;
        if (c == ',') ++commas;
        if (c == ';') ++semicolons;
        fieldStart = c == ',' || c == ';';
    }
    return semicolons >= commas && semicolons > 0 ? ';' : ',';
}

// Walks the text record by record.
class Parser {
public:
    Parser(std::string_view text, char separator, const std::string& source)
        : text_(text), separator_(separator), source_(source) {}

    // Reads the next record: its values one after another and where each ends, and the line
    // it starts on. False at the end. Skips empty lines.
    bool next(std::string& values, std::vector<size_t>& ends, size_t& line) {
        values.clear();
        ends.clear();
        while (pos_ < text_.size() && isBreak(text_[pos_])) lineBreak();
        if (pos_ >= text_.size()) return false;
        line = line_;
        for (;;) {
            if (text_[pos_] == '"') quotedField(values);
            else plainField(values);
            ends.push_back(values.size());
            if (pos_ < text_.size() && text_[pos_] == separator_) {
                ++pos_;
                if (pos_ >= text_.size()) {  // a separator at the very end: one more empty value
                    ends.push_back(values.size());
                    return true;
                }
                continue;
            }
            if (pos_ < text_.size()) lineBreak();
            return true;
        }
    }

private:
    static bool isBreak(char c) { return c == '\r' || c == '\n'; }

    void lineBreak() {
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        ++line_;
    }

    void plainField(std::string& out) {
        const size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != separator_ && !isBreak(text_[pos_])) ++pos_;
        out.append(text_, start, pos_ - start);
    }

    void quotedField(std::string& out) {
        const size_t openLine = line_;
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size())
                fail(source_, openLine, "the quoted value that starts here has no closing quote");
            const char c = text_[pos_];
            if (c == '"') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                    out += '"';
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                break;
            }
            // Line breaks inside quotes are kept as they stand; only the line count follows them.
            if (c == '\n' || (c == '\r' && !(pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n'))) ++line_;
            out += c;
            ++pos_;
        }
        plainField(out);
    }

    std::string_view text_;
    char separator_;
    const std::string& source_;
    size_t pos_ = 0;
    size_t line_ = 1;
};

}  // namespace

CsvTable CsvTable::parse(std::string_view bytes, const std::string& source) {
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
    const std::string text = toUtf8(bytes);
    if (text.size() >= std::numeric_limits<uint32_t>::max()) throw EFormatError(source + ": the file is too large");

    CsvTable t;
    t.separator_ = detectSeparator(text);
    Parser parser(text, t.separator_, source);
    std::string values;
    std::vector<size_t> ends;
    size_t line = 0;
    if (!parser.next(values, ends, line)) throw EFormatError(source + ": the file has no header line");
    size_t start = 0;
    for (size_t end : ends) {
        std::string name = trim(std::string_view(values).substr(start, end - start));
        for (const std::string& other : t.names_)
            if (!name.empty() && sameText(other, name)) fail(source, line, "the field name \"" + name + "\" is given twice");
        t.names_.push_back(std::move(name));
        start = end;
    }

    t.rowStarts_.push_back(0);
    while (parser.next(values, ends, line)) {
        if (ends.size() > t.names_.size())
            fail(source, line,
                 std::to_string(ends.size()) + " values, but the header names " + std::to_string(t.names_.size()) +
                     (t.names_.size() == 1 ? " field" : " fields"));
        const auto base = static_cast<uint32_t>(t.text_.size());
        t.text_ += values;
        for (size_t end : ends) t.cellEnds_.push_back(base + static_cast<uint32_t>(end));
        t.rowStarts_.push_back(static_cast<uint32_t>(t.cellEnds_.size()));
    }
    return t;
}

std::string_view CsvTable::value(size_t row, size_t field) const {
    if (row >= rowCount()) return {};
    const size_t first = rowStarts_[row];
    const size_t cell = first + field;
    if (field >= names_.size() || cell >= rowStarts_[row + 1]) return {};
    const size_t begin = cell == 0 ? 0 : cellEnds_[cell - 1];
    return std::string_view(text_).substr(begin, cellEnds_[cell] - begin);
}

}  // namespace lumaro
