#include "barcode/gs1_text.h"

#include <algorithm>

#include "barcode/barcode_error.h"
#include "barcode/check_digit.h"
#include "barcode/code128_sets.h"
#include "core/text.h"

namespace lumaro::barcode {

namespace {
constexpr char kGroupSeparator = 29;

// Identifiers whose element strings have a predefined length, by their first two digits:
// the digits of the identifier and of its data. No FNC1 follows their data.
struct Predefined {
    int prefix;
    size_t identifierDigits, dataDigits;
};
constexpr Predefined kPredefined[] = {
    {0, 2, 18},  {1, 2, 14},  {2, 2, 14},  {3, 2, 14},  {4, 2, 16},  {11, 2, 6}, {12, 2, 6},
    {13, 2, 6},  {14, 2, 6},  {15, 2, 6},  {16, 2, 6},  {17, 2, 6},  {18, 2, 6}, {19, 2, 6},
    {20, 2, 2},  {31, 4, 6},  {32, 4, 6},  {33, 4, 6},  {34, 4, 6},  {35, 4, 6}, {36, 4, 6},
    {41, 3, 13},
};

// Identifiers whose data is a number of fixed length ending in a modulo 10 check digit.
struct WithCheckDigit {
    std::string_view identifier;
    size_t digits;
};
constexpr WithCheckDigit kWithCheckDigit[] = {
    {"00", 18},  {"01", 14},  {"02", 14},  {"410", 13}, {"411", 13},   {"412", 13},   {"413", 13},
    {"414", 13}, {"415", 13}, {"416", 13}, {"417", 13}, {"8017", 18}, {"8018", 18},
};

const Predefined* predefinedOf(std::string_view identifier) {
    const int prefix = (identifier[0] - '0') * 10 + (identifier[1] - '0');
    for (const Predefined& p : kPredefined)
        if (p.prefix == prefix) return &p;
    return nullptr;
}

const WithCheckDigit* checkDigitOf(std::string_view identifier) {
    for (const WithCheckDigit& c : kWithCheckDigit)
        if (c.identifier == identifier) return &c;
    return nullptr;
}

// The 82 characters that GS1 element strings may hold.
bool isGs1Character(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::string_view("!\"%&'()*+,-./:;<=>?_").find(c) != std::string_view::npos;
}

// Completes and checks the data of one element string.
void completeData(std::string_view identifier, std::string& data, bool checksum, TfrxCheckSumMethod method) {
    if (data.empty()) throw EBarcodeError(gs1MissingData(identifier));
    for (char c : data)
        if (!isGs1Character(c)) throw EBarcodeError(gs1BadCharacter(identifier));
    size_t digits = 0;
    if (const WithCheckDigit* cd = checkDigitOf(identifier)) {
        digits = cd->digits;
        if (checksum && method == csmModulo10 && allDigits(data)) {
            if (data.size() == digits - 1)
                data += static_cast<char>('0' + modulo10CheckDigit(data));
            else if (data.size() == digits &&
                     data.back() - '0' != modulo10CheckDigit(std::string_view(data).substr(0, digits - 1)))
                throw EBarcodeError(gs1InvalidCheckDigit(identifier));
        }
    }
    if (const Predefined* p = predefinedOf(identifier)) {
        if (identifier.size() != p->identifierDigits) throw EBarcodeError(gs1BadIdentifier(identifier));
        digits = p->dataDigits;
    }
    if (digits != 0 && (data.size() != digits || !allDigits(data)))
        throw EBarcodeError(gs1DataLength(identifier, digits));
}

void appendChars(std::vector<int>& items, std::string_view s) {
    for (char c : s) items.push_back(static_cast<unsigned char>(c));
}

// "(ai)data(ai)data..."
std::vector<int> identifierFormItems(std::string& text, bool checksum, TfrxCheckSumMethod method) {
    std::vector<int> items{code128::kFnc1Item};
    std::string completed;
    size_t i = 0;
    while (i < text.size()) {
        const size_t close = text.find(')', i + 1);
        if (close == std::string::npos) throw EBarcodeError(gs1BadIdentifier(std::string_view(text).substr(i + 1)));
        const std::string identifier = text.substr(i + 1, close - i - 1);
        if (identifier.size() < 2 || identifier.size() > 4 || !allDigits(identifier))
            throw EBarcodeError(gs1BadIdentifier(identifier));
        const size_t next = std::min(text.find('(', close + 1), text.size());
        std::string data = text.substr(close + 1, next - close - 1);
        completeData(identifier, data, checksum, method);
        appendChars(items, identifier);
        appendChars(items, data);
        if (next < text.size() && !predefinedOf(identifier)) items.push_back(code128::kFnc1Item);
        completed += "(" + identifier + ")" + data;
        i = next;
    }
    text = std::move(completed);
    return items;
}
}  // namespace

std::vector<int> gs1Items(std::string& text, bool checksum, TfrxCheckSumMethod method) {
    if (!text.empty() && text[0] == '(') return identifierFormItems(text, checksum, method);
    if (checksum) text = appendCheckDigit(text, method);
    std::vector<int> items = code128Items(text);
    std::replace(items.begin(), items.end(), static_cast<int>(kGroupSeparator), code128::kFnc1Item);
    items.insert(items.begin(), code128::kFnc1Item);
    return items;
}

std::vector<int> code128Items(std::string_view text) {
    std::vector<int> items;
    items.reserve(text.size());
    for (char32_t c : toU32(text)) {
        if (c > 127) throw EBarcodeError(code128BadData(text));
        items.push_back(static_cast<int>(c));
    }
    return items;
}

}  // namespace lumaro::barcode
