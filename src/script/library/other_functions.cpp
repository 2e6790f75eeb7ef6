// ctOther: increments, errors, messages, random numbers, validity tests, Variant arrays and
// type codes.
#include <chrono>
#include <iostream>
#include <random>

#include "core/date_parse.h"
#include "core/error.h"
#include "core/number_text.h"
#include "core/variant_ops.h"
#include "script/library/system_functions.h"

namespace lumaro {
namespace {

std::function<void(const std::string&)>& showMessageHook() {
    static std::function<void(const std::string&)> hook;
    return hook;
}

// The one piece of state the library keeps between calls. Without Randomize the sequence is
// the same in every run, as on the original platform.
std::mt19937_64& randomGenerator() {
    static std::mt19937_64 generator(0);
    return generator;
}

std::string text(const std::vector<Variant>& p, size_t i) { return arg(p, i).toString(); }

// The step is 1 when the script leaves it out.
Variant step(const std::vector<Variant>& p) { return p.size() > 1 && !p[1].isEmpty() ? p[1] : Variant(1); }
Variant incFn(std::vector<Variant>& p) { refArg(p, 0) = VarBinaryOp(VarOp::Add, arg(p, 0), step(p)); return {}; }
Variant decFn(std::vector<Variant>& p) { refArg(p, 0) = VarBinaryOp(VarOp::Subtract, arg(p, 0), step(p)); return {}; }

Variant raiseExceptionFn(std::vector<Variant>& p) { throw Exception(text(p, 0)); }
Variant showMessageFn(std::vector<Variant>& p) { showMessage(text(p, 0)); return {}; }

Variant randomizeFn(std::vector<Variant>&) {
    randomGenerator().seed(static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    return {};
}
Variant randomFn(std::vector<Variant>&) {
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    return uniform(randomGenerator());
}

Variant validIntFn(std::vector<Variant>& p) { return validInt(text(p, 0)); }
Variant validFloatFn(std::vector<Variant>& p) { return validFloat(text(p, 0)); }
Variant validDateFn(std::vector<Variant>& p) { return validDate(text(p, 0)); }

Variant createOleObjectFn(std::vector<Variant>& p) {
    throw Exception("CreateOleObject('" + text(p, 0) +
                    "'): automation objects are not available on this platform");
}

// Elements of typed arrays start as the zero of their type, those of Variant arrays unassigned.
Variant initialElement(int typeCode) {
    switch (typeCode) {
        case 2: return Variant::smallInt(0);
        case 3: case 19: return 0;
        case 4: return Variant::single(0);
        case 5: return 0.0;
        case 6: return Variant::currency(0);
        case 7: return Variant::date(0);
        case 8: case 256: return std::string();
        case 11: return false;
        case 16: case 17: return Variant::shortInt(0);
        case 18: return Variant::smallInt(0);
        default: return {};
    }
}

// Bounds are low/high pairs, one per dimension. Odd counts, inverted bounds and arrays of more
// than 16 million elements are refused with the platform's message rather than exhausting memory.
Variant varArrayCreateFn(std::vector<Variant>& p) {
    static const char* const kError = "Error creating variant or safe array";
    constexpr size_t kMaxElements = size_t{1} << 24;
    const Variant& b = arg(p, 0);
    const std::vector<Variant> flat = b.isArray() ? b.arrayData().items : std::vector<Variant>{};
    if (flat.empty() || flat.size() % 2 != 0) throw EVariantError(kError);
    std::vector<std::pair<int, int>> bounds;
    size_t count = 1;
    for (size_t i = 0; i < flat.size(); i += 2) {
        const int lo = flat[i].toInt(), hi = flat[i + 1].toInt();
        const long long n = static_cast<long long>(hi) - lo + 1;
        if (n < 0 || (n > 0 && count > kMaxElements / static_cast<size_t>(n))) throw EVariantError(kError);
        count *= static_cast<size_t>(n);
        bounds.emplace_back(lo, hi);
    }
    Variant result = Variant::arrayWithBounds(std::move(bounds));
    const Variant zero = initialElement(arg(p, 1).toInt() & 0xFFF);
    if (!zero.isEmpty())
        for (Variant& item : result.arrayData().items) item = zero;
    return result;
}
Variant varTypeFn(std::vector<Variant>& p) { return variantTypeCode(arg(p, 0)); }

const LibraryFunction kFunctions[] = {
    {"ctOther", "procedure Inc(var i: Integer; incr: Integer = 1)", incFn},
    {"ctOther", "procedure Dec(var i: Integer; decr: Integer = 1)", decFn},
    {"ctOther", "procedure RaiseException(Param: String)", raiseExceptionFn},
    {"ctOther", "procedure ShowMessage(Msg: Variant)", showMessageFn},
    {"ctOther", "procedure Randomize", randomizeFn},
    {"ctOther", "function Random: Extended", randomFn},
    {"ctOther", "function ValidInt(cInt: String): Boolean", validIntFn},
    {"ctOther", "function ValidFloat(cFlt: String): Boolean", validFloatFn},
    {"ctOther", "function ValidDate(cDate: String): Boolean", validDateFn},
    {"ctOther", "function CreateOleObject(ClassName: String): Variant", createOleObjectFn},
    {"ctOther", "function VarArrayCreate(Bounds: Array; Typ: Integer): Variant", varArrayCreateFn},
    {"ctOther", "function VarType(V: Variant): Integer", varTypeFn},
};

const NamedValue kTypeCodes[] = {
    {"varEmpty", 0},     {"varNull", 1},       {"varSmallint", 2}, {"varInteger", 3},
    {"varSingle", 4},    {"varDouble", 5},     {"varCurrency", 6}, {"varDate", 7},
    {"varOleStr", 8},    {"varDispatch", 9},   {"varError", 10},   {"varBoolean", 11},
    {"varVariant", 12},  {"varUnknown", 13},   {"varShortInt", 16}, {"varByte", 17},
    {"varWord", 18},     {"varLongWord", 19},  {"varInt64", 20},   {"varStrArg", 72},
    {"varString", 256},  {"varAny", 257},      {"varTypeMask", 4095}, {"varArray", 8192},
    {"varByRef", 16384},
};

}  // namespace

std::span<const LibraryFunction> otherFunctions() { return kFunctions; }
std::span<const NamedValue> variantTypeConstants() { return kTypeCodes; }

// Object references travel through scripts as integers on the original platform, so they
// report varInteger; arrays are arrays of Variants.
int variantTypeCode(const Variant& v) {
    // Indexed by VarType: Empty, Null, ShortInt, SmallInt, Integer, Single, Double, Currency,
    // Date, String, Boolean, Object, Array.
    static constexpr int kCodes[] = {0, 1, 16, 2, 3, 4, 5, 6, 7, 256, 11, 3, 8192 | 12};
    return kCodes[static_cast<size_t>(v.type())];
}

void setShowMessageHook(std::function<void(const std::string&)> hook) { showMessageHook() = std::move(hook); }

void showMessage(const std::string& text) {
    if (showMessageHook()) showMessageHook()(text);
    else std::cout << text << std::endl;
}

}  // namespace lumaro
