// TfsParser: token reads over a decoded source text.
#include "script/parser/fs_parser.h"

#include <algorithm>

#include "core/text.h"

namespace lumaro {

namespace {

bool isDigit(char32_t c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char32_t c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
int hexValue(char32_t c) {
    if (isDigit(c)) return static_cast<int>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
    return static_cast<int>(c - 'A' + 10);
}
char32_t lowerAscii(char32_t c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; }
bool isSymbol(char32_t c) {
    return (c >= 33 && c <= 47) || (c >= 58 && c <= 64) || (c >= 91 && c <= 96) || (c >= 123 && c <= 126);
}
bool isLineEnd(char32_t c) { return c == 10 || c == 13; }

std::u32string decode(std::string_view s) { return toU32(toUtf8(s)); }

// Appends a character code read from a script literal. Codes that are no Unicode scalar
// value become the replacement character.
void appendCode(std::string& out, uint32_t code) {
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
    appendUtf8(out, static_cast<char32_t>(code));
}

}  // namespace

TfsParser::TfsParser() {
    ResetDefaults();
    SetText({});
}

void TfsParser::ResetDefaults() {
    keywords_.clear();
    SetIdentChars("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_");
    extendedIdent_ = false;
    commentLine1_ = U"//";
    commentLine2_.clear();
    SetBlockComment1("{,}");
    SetBlockComment2("(*,*)");
    hexPrefix_.assign(1, U'$');
    quote_ = U'\'';
    skipEol_ = true;
    skipChar_ = 0;
    skipSpace_ = true;
}

void TfsParser::SetText(std::string_view text) {
    text_ = decode(text);
    // A byte order mark is no character of the script (editors do not show it).
    if (!text_.empty() && text_[0] == 0xFEFF) text_.erase(0, 1);
    size_ = static_cast<int>(text_.size());
    text_.push_back(0);
    position_ = tokenStart_ = 1;
    lineStarts_.assign(1, 0);
    for (int i = 0; i < size_; ++i)
        if (text_[static_cast<size_t>(i)] == 10) lineStarts_.push_back(i + 1);
}

void TfsParser::SetPosition(int position) { position_ = tokenStart_ = position; }

void TfsParser::SetIdentChars(std::string_view chars) {
    identChars_.reset();
    for (char32_t c : decode(chars))
        if (c > 0 && c < 256) identChars_.set(c);
}

void TfsParser::AddExtendedIdentChars() {
    for (int c = 128; c < 256; ++c) identChars_.set(static_cast<size_t>(c));
    extendedIdent_ = true;
}

void TfsParser::SetKeywords(const std::vector<std::string>& words) {
    keywords_.clear();
    for (const auto& w : words) AddKeyword(w);
}

void TfsParser::AddKeyword(std::string_view word) { keywords_.insert(lowerCase(word)); }

void TfsParser::SetCommentLine1(std::string_view marker) { commentLine1_ = decode(marker); }
void TfsParser::SetCommentLine2(std::string_view marker) { commentLine2_ = decode(marker); }

namespace {
void splitMarkers(std::string_view text, std::u32string& open, std::u32string& close) {
    const size_t comma = text.find(',');
    open = decode(text.substr(0, comma));
    close = comma == std::string_view::npos ? std::u32string() : decode(text.substr(comma + 1));
}
}  // namespace

void TfsParser::SetBlockComment1(std::string_view text) { splitMarkers(text, blockOpen1_, blockClose1_); }
void TfsParser::SetBlockComment2(std::string_view text) { splitMarkers(text, blockOpen2_, blockClose2_); }
void TfsParser::SetHexSequence(std::string_view prefix) { hexPrefix_ = decode(prefix); }

void TfsParser::SetStringQuote(std::string_view quote) {
    const std::u32string q = decode(quote);
    quote_ = q.empty() ? 0 : q[0];
}

void TfsParser::SetSkipChar(std::string_view ch) {
    const std::u32string c = decode(ch);
    skipChar_ = c.empty() ? 0 : c[0];
}

bool TfsParser::StartsWith(int position, const std::u32string& marker) const {
    // Markers are one or two characters: compare directly, first character first.
    if (marker.empty() || position < 1 || position - 1 + static_cast<int>(marker.size()) > size_) return false;
    const char32_t* at = text_.data() + (position - 1);
    for (size_t i = 0; i < marker.size(); ++i)
        if (at[i] != marker[i]) return false;
    return true;
}

void TfsParser::SkipBlanks() {
    // Without line-end skipping, carriage return and line feed are tokens of their own.
    auto blank = [this](char32_t c) { return c <= 32 && (skipEol_ || !isLineEnd(c)); };
    auto skipLineComment = [this] {
        while (position_ <= size_) {
            const char32_t c = text_[static_cast<size_t>(position_ - 1)];
            if (c == 10 || (!skipEol_ && c == 13)) break;
            ++position_;
        }
    };
    for (;;) {
        while (position_ <= size_ && blank(text_[static_cast<size_t>(position_ - 1)])) ++position_;
        if (skipChar_ && position_ <= size_ && text_[static_cast<size_t>(position_ - 1)] == skipChar_) {
            // The continuation character joins this line with the next one.
            ++position_;
            while (position_ <= size_ && blank(text_[static_cast<size_t>(position_ - 1)])) ++position_;
            if (position_ < size_ && (StartsWith(position_, commentLine1_) || StartsWith(position_, commentLine2_)))
                skipLineComment();
            while (position_ <= size_ && isLineEnd(text_[static_cast<size_t>(position_ - 1)])) ++position_;
            continue;
        }
        if (position_ < size_) {
            if (StartsWith(position_, commentLine1_) || StartsWith(position_, commentLine2_)) {
                skipLineComment();
                continue;
            }
            const std::u32string* close = nullptr;
            if (StartsWith(position_, blockOpen1_)) close = &blockClose1_;
            else if (StartsWith(position_, blockOpen2_)) close = &blockClose2_;
            if (close) {
                position_ += static_cast<int>(close->size());
                while (position_ <= size_ && !StartsWith(position_, *close)) ++position_;
                if (position_ <= size_) position_ += static_cast<int>(close->size());
                continue;
            }
        }
        break;
    }
    tokenStart_ = position_;
}

bool TfsParser::ReadLineEnd() {
    SkipBlanks();
    if (!isLineEnd(At(position_))) return false;
    while (position_ <= size_ && isLineEnd(At(position_))) ++position_;
    return true;
}

bool TfsParser::IsKeywordSpan(int from, int to) const {
    scratch_.clear();
    for (int p = from; p < to; ++p) {
        const char32_t c = At(p);
        if (c >= 128) return false;
        scratch_ += static_cast<char>(lowerAscii(c));
    }
    return keywords_.count(scratch_) != 0;
}

bool TfsParser::IsKeyword(std::string_view word) const { return keywords_.count(lowerCase(word)) != 0; }

bool TfsParser::ReadIdentifierOrKeyword(bool allowKeyword) {
    const int saved = position_;
    if (skipSpace_) SkipBlanks();
    else tokenStart_ = position_;
    const char32_t first = At(position_);
    if (position_ > size_ || !IsIdentChar(first) || isDigit(first)) {
        position_ = saved;
        return false;
    }
    while (position_ <= size_ && IsIdentChar(At(position_))) ++position_;
    if (!allowKeyword && IsKeywordSpan(tokenStart_, position_)) {
        position_ = saved;
        return false;
    }
    return true;
}

bool TfsParser::ReadIdentifierSpan() { return ReadIdentifierOrKeyword(false); }
bool TfsParser::ReadWordSpan() { return ReadIdentifierOrKeyword(true); }

bool TfsParser::ReadSymbolSpan() {
    tokenStart_ = position_;
    if (position_ > size_ || !isSymbol(At(position_))) return false;
    ++position_;
    return true;
}

bool TfsParser::ReadDigits(bool hex) {
    const int start = position_;
    while (position_ <= size_ && (hex ? isHexDigit(At(position_)) : isDigit(At(position_)))) ++position_;
    return position_ > start;
}

bool TfsParser::ReadNumberSpan() {
    const int saved = position_;
    if (skipSpace_) SkipBlanks();
    else tokenStart_ = position_;
    if (StartsWith(position_, hexPrefix_)) {
        position_ += static_cast<int>(hexPrefix_.size());
        if (!ReadDigits(true)) {
            position_ = saved;
            return false;
        }
    } else if (!ReadDigits(false)) {
        position_ = saved;
        return false;
    }
    bool plainInteger = false;
    if (At(position_) == '.' && position_ <= size_) {
        const int dot = position_;
        ++position_;
        if (!ReadDigits(false)) {
            position_ = dot;  // 1..5 and 1.e5 read as the integer 1
            plainInteger = true;
        }
    }
    if (!plainInteger && position_ <= size_ && (At(position_) == 'E' || At(position_) == 'e')) {
        const int e = position_;
        ++position_;
        if (At(position_) == '+' || At(position_) == '-') ++position_;
        if (!ReadDigits(false)) position_ = e;
    }
    value_ = TokenText();
    if (hexPrefix_ != U"$" && !hexPrefix_.empty()) {
        const std::string prefix = fromU32(hexPrefix_);
        std::string normalised;
        size_t from = 0;
        for (size_t at = value_.find(prefix); at != std::string::npos; at = value_.find(prefix, from)) {
            normalised.append(value_, from, at - from);
            normalised += '$';
            from = at + prefix.size();
        }
        normalised.append(value_, from, std::string::npos);
        value_ = std::move(normalised);
    }
    return true;
}

bool TfsParser::ReadCharCode(uint32_t& value) {
    value = 0;
    bool hex = false;
    if (StartsWith(position_, hexPrefix_)) {
        hex = true;
        position_ += static_cast<int>(hexPrefix_.size());
    }
    const int start = position_;
    while (position_ <= size_ && (hex ? isHexDigit(At(position_)) : isDigit(At(position_)))) {
        const uint32_t digit = static_cast<uint32_t>(hex ? hexValue(At(position_)) : static_cast<int>(At(position_) - '0'));
        value = value > 0x10FFFF ? value : value * (hex ? 16 : 10) + digit;
        ++position_;
    }
    return position_ > start;
}

bool TfsParser::ReadStringSpan() {
    const int saved = position_;
    if (skipSpace_) SkipBlanks();
    else tokenStart_ = position_;
    const bool cStyle = quote_ == U'"';
    std::string text;
    bool any = false;
    for (;;) {
        const char32_t c = At(position_);
        if (position_ > size_) break;
        if (c == quote_ && quote_ != 0) {
            std::string part;
            int p = position_ + 1;
            bool closed = false;
            for (;;) {
                const char32_t ch = At(p);
                if (ch < 32 && ch != 9) break;  // a line end or the end of the text: unterminated
                if (cStyle && ch == U'\\') {
                    const char32_t next = At(p + 1);
                    if (next < 32 && next != 9) break;
                    const char32_t lower = lowerAscii(next);
                    if (lower == 'n') {
                        part += '\n';
                        p += 2;
                    } else if (lower == 'r') {
                        part += '\r';
                        p += 2;
                    } else if (lower == 'x') {
                        p += 2;
                        uint32_t code = 0;
                        bool digits = false;
                        while (isHexDigit(At(p))) {
                            code = (code * 16 + static_cast<uint32_t>(hexValue(At(p)))) & 0xFFFF;
                            digits = true;
                            ++p;
                        }
                        if (digits) appendCode(part, code & 0xFF);
                    } else {
                        appendUtf8(part, next);
                        p += 2;
                    }
                    continue;
                }
                if (ch == quote_) {
                    if (!cStyle && At(p + 1) == quote_) {
                        appendUtf8(part, ch);
                        p += 2;
                        continue;
                    }
                    closed = true;
                    ++p;
                    break;
                }
                appendUtf8(part, ch);
                ++p;
            }
            if (!closed) break;
            text += part;
            position_ = p;
            any = true;
        } else if (c == U'#') {
            const int hash = position_;
            ++position_;
            uint32_t code = 0;
            if (!ReadCharCode(code)) {
                position_ = hash;
                break;
            }
            appendCode(text, code);
            any = true;
        } else {
            break;
        }
    }
    if (!any) {
        position_ = saved;
        return false;
    }
    value_ = "'" + text + "'";
    return true;
}

bool TfsParser::ReadAngleTextSpan() {
    const int start = position_;
    tokenStart_ = start;
    int depth = 1;
    bool inSingle = false, inDouble = false;
    int p = start;
    for (; p <= size_; ++p) {
        const char32_t c = At(p);
        if (isLineEnd(c)) {
            position_ = start;
            value_.clear();
            return false;
        }
        if (!inSingle && !inDouble) {
            if (c == '<') ++depth;
            else if (c == '>') --depth;
        }
        if (c == '"' && !inSingle) inDouble = !inDouble;
        else if (c == '\'' && !inDouble) inSingle = !inSingle;
        if (depth == 0) break;
    }
    position_ = p;
    value_ = Slice(start, p);
    return !value_.empty();
}

std::string TfsParser::ReadIdentifier() { return ReadIdentifierSpan() ? TokenText() : std::string(); }
std::string TfsParser::ReadWord() { return ReadWordSpan() ? TokenText() : std::string(); }
std::string TfsParser::ReadSymbol() { return ReadSymbolSpan() ? TokenText() : std::string(); }
std::string TfsParser::ReadNumber() { return ReadNumberSpan() ? value_ : std::string(); }
std::string TfsParser::ReadString() { return ReadStringSpan() ? value_ : std::string(); }
std::string TfsParser::ReadAngleText() {
    ReadAngleTextSpan();
    return value_;
}

bool TfsParser::TokenEquals(std::string_view lowerWord) const {
    if (static_cast<size_t>(position_ - tokenStart_) != lowerWord.size()) return false;
    for (size_t i = 0; i < lowerWord.size(); ++i)
        if (lowerAscii(At(tokenStart_ + static_cast<int>(i))) != static_cast<unsigned char>(lowerWord[i])) return false;
    return true;
}

std::string TfsParser::Slice(int from, int to) const {
    std::string out;
    from = std::max(from, 1);
    to = std::min(to, size_ + 1);
    for (int p = from; p < to; ++p) appendUtf8(out, text_[static_cast<size_t>(p - 1)]);
    return out;
}

void TfsParser::LineCol(int position, int& line, int& column) const {
    const auto it = std::lower_bound(lineStarts_.begin(), lineStarts_.end(), position);
    line = static_cast<int>(it - lineStarts_.begin());
    if (line == 0) line = 1;  // positions before the text count on the first line
    column = position - lineStarts_[static_cast<size_t>(line - 1)];
}

std::string TfsParser::PositionText(int position) const {
    int line, column;
    LineCol(position, line, column);
    return std::to_string(line) + ":" + std::to_string(column);
}

int TfsParser::LineColToPosition(int column, int line) const {
    if (line - 1 < 0 || line - 1 >= static_cast<int>(lineStarts_.size())) return -1;
    return column + lineStarts_[static_cast<size_t>(line - 1)];
}

}  // namespace lumaro
