#pragma once
// Variant: the one value type exchanged between report, scripts and data.
// Empty (unassigned) and Null are distinct. Arithmetic and comparison live in variant_ops.h.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumaro {

class Object;

enum class VarType : uint8_t {
    Empty,
    Null,
    ShortInt,  // 8-bit integer
    SmallInt,  // 16-bit integer
    Integer,   // 32-bit integer
    Single,
    Double,
    Currency,  // 64-bit integer scaled by 10000
    Date,      // days since 30 December 1899
    String,    // UTF-8 text
    Boolean,
    Object,    // a non-owning reference to an Object
    Array,     // array of Variants with bounds per dimension
};

const char* varTypeName(VarType t);

class Variant;

// Storage of an array Variant: a rectangular block of Variants, row-major, with one
// [low, high] pair of bounds per dimension.
struct VariantArray {
    std::vector<std::pair<int, int>> bounds;
    std::vector<Variant> items;
};

class Variant {
public:
    Variant() noexcept : type_(VarType::Empty) { u_.i64 = 0; }
    // One 8-byte store (the same bytes as zeroing and then setting the low part): a later
    // 8-byte copy of the union can then take the value straight from the store.
    Variant(int v) noexcept : type_(VarType::Integer) { u_.i64 = static_cast<int64_t>(static_cast<uint32_t>(v)); }
    Variant(double v) noexcept : type_(VarType::Double) { u_.d = v; }
    Variant(bool v) noexcept : type_(VarType::Boolean) { u_.i64 = v ? 1 : 0; }
    Variant(const char* s) : type_(VarType::String) { new (&s_) std::string(s); }
    Variant(std::string s) : type_(VarType::String) { new (&s_) std::string(std::move(s)); }
    Variant(std::string_view s) : type_(VarType::String) { new (&s_) std::string(s); }
    Variant(Object* o) noexcept : type_(VarType::Object) { u_.obj = o; }

    static Variant null() noexcept;
    static Variant shortInt(int8_t v) noexcept;
    static Variant smallInt(int16_t v) noexcept;
    static Variant single(float v) noexcept;
    static Variant currency(int64_t scaled) noexcept;          // value * 10000
    static Variant currencyFromDouble(double v);               // rounds to 4 decimals
    static Variant date(double days) noexcept;
    // An array with one [low, high] pair per dimension; every element starts empty.
    static Variant arrayWithBounds(std::vector<std::pair<int, int>> bounds);
    static Variant arrayOf(std::vector<Variant> items);         // one dimension, indexes 0..n-1

    Variant(const Variant& o);
    Variant(Variant&& o) noexcept;
    Variant& operator=(const Variant& o);
    Variant& operator=(Variant&& o) noexcept;
    ~Variant();

    VarType type() const noexcept { return type_; }
    bool isEmpty() const noexcept { return type_ == VarType::Empty; }
    bool isNull() const noexcept { return type_ == VarType::Null; }
    bool isEmptyOrNull() const noexcept { return type_ <= VarType::Null; }
    bool isOrdinal() const noexcept;   // 8, 16 or 32-bit integer
    bool isFloat() const noexcept;     // single or double
    bool isNumeric() const noexcept;   // ordinal, float or currency
    bool isString() const noexcept { return type_ == VarType::String; }
    bool isBoolean() const noexcept { return type_ == VarType::Boolean; }
    bool isDate() const noexcept { return type_ == VarType::Date; }
    bool isObject() const noexcept { return type_ == VarType::Object; }
    bool isArray() const noexcept { return type_ == VarType::Array; }

    // Raw access without conversion; the type must match.
    int32_t rawInt() const noexcept { return type_ == VarType::ShortInt ? u_.i8 : type_ == VarType::SmallInt ? u_.i16 : u_.i32; }
    double rawDouble() const noexcept { return type_ == VarType::Single ? u_.f : u_.d; }
    int64_t rawCurrency() const noexcept { return u_.i64; }
    bool rawBool() const noexcept { return u_.b; }
    const std::string& rawString() const noexcept { return s_; }
    // The text of a String Variant, for changing it in place (the type must be String).
    std::string& rawStringRef() noexcept { return s_; }
    Object* rawObject() const noexcept { return u_.obj; }

    // Conversions with the platform's Variant rules; they raise EVariantError
    // ("Invalid variant type conversion") when the value has no such form.
    int32_t toInt() const;            // reals round half to even; True is -1
    int64_t toInt64() const;
    double toDouble() const;          // dates give their day number
    int64_t toCurrency() const;       // scaled by 10000
    bool toBool() const;              // numbers: non-zero; strings: "True"/"False" or a number
    double toDate() const;
    // Text of the value: empty and Null give the empty text, numbers the general format,
    // dates the short date (and long time when not midnight), booleans "True"/"False".
    std::string toString() const;
    Object* toObject() const;         // Null and empty give nullptr

    // Arrays.
    const VariantArray& arrayData() const;
    VariantArray& arrayData();        // copies shared storage before changing it
    int arrayDimCount() const;
    int arrayLow(int dim = 0) const;
    int arrayHigh(int dim = 0) const;
    // Element at the given indexes (one per dimension); raises "Variant array index out of bounds".
    const Variant& at(const std::vector<int>& indexes) const;
    Variant& at(const std::vector<int>& indexes);

    // Same type and same value (no conversions); for tests and change detection.
    bool identical(const Variant& o) const;

private:
    void destroy() noexcept;
    void copyFrom(const Variant& o);
    void moveFrom(Variant&& o) noexcept;
    size_t flatIndex(const std::vector<int>& indexes) const;

    VarType type_;
    union {
        int8_t i8;
        int16_t i16;
        int32_t i32;
        int64_t i64;
        float f;
        double d;
        bool b;
        Object* obj;
    } u_;
    union {
        std::string s_;
        std::shared_ptr<VariantArray> a_;
    };
};

}  // namespace lumaro
