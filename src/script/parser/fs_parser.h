#pragma once
// TfsParser: the character-level scanner of the script engine. It holds one source text and
// a current position and offers read operations that each try to read one token of a given
// kind at the position; a failed read leaves the position unchanged. The grammar-driven
// parser decides which kind of token it expects. The lexical conventions of a language
// (comment markers, quote, hexadecimal prefix, keywords, line ends) are settings; the
// defaults are those of PascalScript.
//
// Positions are 1-based indexes of code points. The text is kept decoded (a document that
// is not valid UTF-8 is read as Windows-1250); tokens are returned as UTF-8.
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace lumaro {

class TfsParser {
public:
    TfsParser();

    // Clears the keywords and restores every setting to its default.
    void ResetDefaults();
    // Stores the text (without a leading byte order mark) and starts at position 1.
    void SetText(std::string_view text);
    void SetPosition(int position);
    int Position() const { return position_; }
    // Position of the first character of the last token (set by every blank skip).
    int TokenStart() const { return tokenStart_; }
    // Length of the text in code points.
    int Size() const { return size_; }

    // Settings.
    void SetIdentChars(std::string_view chars);
    // Adds the character codes 128 to 255 and every character beyond them to the identifier
    // characters (the extended character set option of a script).
    void AddExtendedIdentChars();
    void SetKeywords(const std::vector<std::string>& words);
    void AddKeyword(std::string_view word);
    void SetCommentLine1(std::string_view marker);
    void SetCommentLine2(std::string_view marker);
    // "open,close"; empty clears both markers; no comma sets only the opening marker.
    void SetBlockComment1(std::string_view text);
    void SetBlockComment2(std::string_view text);
    void SetHexSequence(std::string_view prefix);
    void SetStringQuote(std::string_view quote);  // only the first character counts
    void SetSkipEol(bool skip) { skipEol_ = skip; }
    void SetSkipChar(std::string_view ch);        // continuation character; empty for none
    void SetSkipSpace(bool skip) { skipSpace_ = skip; }
    bool SkipEol() const { return skipEol_; }

    // Read operations; each returns the token text or an empty text.
    void SkipBlanks();
    bool ReadLineEnd();
    std::string ReadIdentifier();
    std::string ReadWord();
    std::string ReadSymbol();
    std::string ReadNumber();
    std::string ReadString();
    std::string ReadAngleText();
    bool IsKeyword(std::string_view word) const;

    // "line:column" of the current position, or of the given position.
    std::string PositionText() const { return PositionText(position_); }
    std::string PositionText(int position) const;
    void LineCol(int position, int& line, int& column) const;
    // The position of a column on a line, or -1 when the line does not exist.
    int LineColToPosition(int column, int line) const;

    // Allocation-free forms used by the grammar walker. Each returns true when the token is
    // there; the token occupies [TokenStart(), Position()) and its text comes from
    // TokenText() (ReadNumberSpan and ReadStringSpan leave their converted text in Value()).
    bool ReadIdentifierSpan();
    bool ReadWordSpan();
    bool ReadSymbolSpan();
    bool ReadNumberSpan();
    bool ReadStringSpan();
    // The text between the angle brackets goes to Value(); true when it is not empty.
    bool ReadAngleTextSpan();
    std::string TokenText() const { return Slice(tokenStart_, position_); }
    const std::string& Value() const { return value_; }
    // Compares the last token with an ASCII word given in lower case, ignoring case.
    bool TokenEquals(std::string_view lowerWord) const;
    // The code point at a position (0 past the end).
    char32_t At(int position) const { return position >= 1 && position <= size_ ? text_[static_cast<size_t>(position - 1)] : 0; }
    // UTF-8 text of the code points [from, to).
    std::string Slice(int from, int to) const;

private:
    bool IsIdentChar(char32_t c) const { return c < 256 ? identChars_[c] : extendedIdent_; }
    bool StartsWith(int position, const std::u32string& marker) const;
    bool ReadDigits(bool hex);
    bool ReadIdentifierOrKeyword(bool allowKeyword);
    bool IsKeywordSpan(int from, int to) const;
    // Reads an unsigned integer (decimal or with the hex prefix) at the position; its value
    // (saturated) goes to `value`.
    bool ReadCharCode(uint32_t& value);

    std::u32string text_;  // the source plus a terminating 0
    int size_ = 0;
    int position_ = 1;
    int tokenStart_ = 1;
    std::vector<int> lineStarts_;
    std::bitset<256> identChars_;
    bool extendedIdent_ = false;
    std::unordered_set<std::string> keywords_;  // lower case
    std::u32string commentLine1_, commentLine2_;
    std::u32string blockOpen1_, blockClose1_, blockOpen2_, blockClose2_;
    std::u32string hexPrefix_;
    char32_t quote_ = U'\'';
    bool skipEol_ = true;
    char32_t skipChar_ = 0;
    bool skipSpace_ = true;
    std::string value_;
    mutable std::string scratch_;
};

}  // namespace lumaro
