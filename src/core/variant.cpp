#include "core/variant.h"

#include <cmath>
#include <limits>

#include "core/date_time.h"
#include "core/error.h"
#include "core/number_text.h"
#include "core/text.h"

namespace lumaro {

namespace {
[[noreturn]] void conversionError() { throw EVariantError(kInvalidVariantConversion); }

int32_t doubleToInt32(double v) {
    if (std::isnan(v) || v >= 2147483647.5 || v < -2147483648.5) conversionError();
    return static_cast<int32_t>(roundHalfEven(v));
}

// Text to number with the locale's decimal separator; dates and booleans as further forms.
double stringToDouble(const std::string& s) {
    if (auto v = tryStrToFloat(s)) return *v;
    if (auto v = tryStrToInt64(s)) return static_cast<double>(*v);
    if (sameText(trim(s), "true")) return -1;
    if (sameText(trim(s), "false")) return 0;
    conversionError();
}
}  // namespace

const char* varTypeName(VarType t) {
    static const char* const names[] = {"Empty",  "Null",     "ShortInt", "SmallInt", "Integer",
                                        "Single", "Double",   "Currency", "Date",     "String",
                                        "Boolean", "Object",  "Array"};
    return names[static_cast<int>(t)];
}

Variant Variant::null() noexcept {
    Variant v;
    v.type_ = VarType::Null;
    return v;
}

Variant Variant::shortInt(int8_t x) noexcept {
    Variant v;
    v.type_ = VarType::ShortInt;
    v.u_.i8 = x;
    return v;
}

Variant Variant::smallInt(int16_t x) noexcept {
    Variant v;
    v.type_ = VarType::SmallInt;
    v.u_.i16 = x;
    return v;
}

Variant Variant::single(float x) noexcept {
    Variant v;
    v.type_ = VarType::Single;
    v.u_.f = x;
    return v;
}

Variant Variant::currency(int64_t scaled) noexcept {
    Variant v;
    v.type_ = VarType::Currency;
    v.u_.i64 = scaled;
    return v;
}

Variant Variant::currencyFromDouble(double x) {
    const double scaled = x * 10000.0;
    if (std::isnan(scaled) || std::fabs(scaled) >= 9.2233720368547758e18) conversionError();
    return currency(roundHalfEven(scaled));
}

Variant Variant::date(double days) noexcept {
    Variant v;
    v.type_ = VarType::Date;
    v.u_.d = days;
    return v;
}

Variant Variant::arrayWithBounds(std::vector<std::pair<int, int>> bounds) {
    auto data = std::make_shared<VariantArray>();
    size_t n = 1;
    for (auto& b : bounds) {
        if (b.second < b.first - 1) b.second = b.first - 1;
        n *= static_cast<size_t>(b.second - b.first + 1);
    }
    data->bounds = std::move(bounds);
    data->items.resize(n);
    Variant v;
    v.type_ = VarType::Array;
    new (&v.a_) std::shared_ptr<VariantArray>(std::move(data));
    return v;
}

Variant Variant::arrayOf(std::vector<Variant> items) {
    auto data = std::make_shared<VariantArray>();
    data->bounds = {{0, static_cast<int>(items.size()) - 1}};
    data->items = std::move(items);
    Variant v;
    v.type_ = VarType::Array;
    new (&v.a_) std::shared_ptr<VariantArray>(std::move(data));
    return v;
}

Variant::Variant(const Variant& o) : type_(VarType::Empty) { copyFrom(o); }
Variant::Variant(Variant&& o) noexcept : type_(VarType::Empty) { moveFrom(std::move(o)); }

Variant& Variant::operator=(const Variant& o) {
    if (this != &o) {
        Variant tmp(o);
        destroy();
        moveFrom(std::move(tmp));
    }
    return *this;
}

Variant& Variant::operator=(Variant&& o) noexcept {
    if (this != &o) {
        destroy();
        moveFrom(std::move(o));
    }
    return *this;
}

Variant::~Variant() { destroy(); }

void Variant::destroy() noexcept {
    if (type_ == VarType::String)
        s_.~basic_string();
    else if (type_ == VarType::Array)
        a_.~shared_ptr();
    type_ = VarType::Empty;
    u_.i64 = 0;
}

void Variant::copyFrom(const Variant& o) {
    if (o.type_ == VarType::String)
        new (&s_) std::string(o.s_);
    else if (o.type_ == VarType::Array)
        new (&a_) std::shared_ptr<VariantArray>(o.a_);
    u_ = o.u_;
    type_ = o.type_;
}

void Variant::moveFrom(Variant&& o) noexcept {
    if (o.type_ == VarType::String) {
        new (&s_) std::string(std::move(o.s_));
        o.s_.~basic_string();
    } else if (o.type_ == VarType::Array) {
        new (&a_) std::shared_ptr<VariantArray>(std::move(o.a_));
        o.a_.~shared_ptr();
    }
    u_ = o.u_;
    type_ = o.type_;
    o.type_ = VarType::Empty;
    o.u_.i64 = 0;
}

bool Variant::isOrdinal() const noexcept {
    return type_ == VarType::ShortInt || type_ == VarType::SmallInt || type_ == VarType::Integer;
}

bool Variant::isFloat() const noexcept { return type_ == VarType::Single || type_ == VarType::Double; }

bool Variant::isNumeric() const noexcept { return isOrdinal() || isFloat() || type_ == VarType::Currency; }

int32_t Variant::toInt() const {
    switch (type_) {
        case VarType::Empty: return 0;
        case VarType::ShortInt:
        case VarType::SmallInt:
        case VarType::Integer: return rawInt();
        case VarType::Boolean: return u_.b ? -1 : 0;
        case VarType::Single:
        case VarType::Double:
        case VarType::Date: return doubleToInt32(rawDouble());
        case VarType::Currency: return doubleToInt32(static_cast<double>(u_.i64) / 10000.0);
        case VarType::String: {
            if (auto v = tryStrToInt(s_)) return *v;
            return doubleToInt32(stringToDouble(s_));
        }
        default: conversionError();
    }
}

int64_t Variant::toInt64() const {
    switch (type_) {
        case VarType::Single:
        case VarType::Double:
        case VarType::Date: {
            const double v = rawDouble();
            if (std::isnan(v) || std::fabs(v) >= 9.2233720368547758e18) conversionError();
            return roundHalfEven(v);
        }
        case VarType::Currency: return roundHalfEven(static_cast<double>(u_.i64) / 10000.0);
        case VarType::String: {
            if (auto v = tryStrToInt64(s_)) return *v;
            const double d = stringToDouble(s_);
            if (std::fabs(d) >= 9.2233720368547758e18) conversionError();
            return roundHalfEven(d);
        }
        default: return toInt();
    }
}

double Variant::toDouble() const {
    switch (type_) {
        case VarType::Empty: return 0;
        case VarType::ShortInt:
        case VarType::SmallInt:
        case VarType::Integer: return rawInt();
        case VarType::Boolean: return u_.b ? -1 : 0;
        case VarType::Single:
        case VarType::Double:
        case VarType::Date: return rawDouble();
        case VarType::Currency: return static_cast<double>(u_.i64) / 10000.0;
        case VarType::String: return stringToDouble(s_);
        default: conversionError();
    }
}

int64_t Variant::toCurrency() const {
    if (type_ == VarType::Currency) return u_.i64;
    return currencyFromDouble(toDouble()).u_.i64;
}

bool Variant::toBool() const {
    switch (type_) {
        case VarType::Empty: return false;
        case VarType::Boolean: return u_.b;
        case VarType::String: {
            const std::string t = trim(s_);
            if (sameText(t, "true")) return true;
            if (sameText(t, "false")) return false;
            return stringToDouble(s_) != 0;
        }
        case VarType::Currency: return u_.i64 != 0;
        case VarType::Null:
        case VarType::Object:
        case VarType::Array: conversionError();
        default: return toDouble() != 0;
    }
}

double Variant::toDate() const {
    if (type_ == VarType::Date) return u_.d;
    return toDouble();
}

std::string Variant::toString() const {
    switch (type_) {
        case VarType::Empty:
        case VarType::Null: return {};
        case VarType::ShortInt:
        case VarType::SmallInt:
        case VarType::Integer: return intToStr(rawInt());
        case VarType::Single: return floatToStr(static_cast<double>(u_.f));
        case VarType::Double: return floatToStr(u_.d);
        case VarType::Currency: return currToStr(u_.i64);
        case VarType::Date: return dateTimeToStr(u_.d);
        case VarType::String: return s_;
        case VarType::Boolean: return u_.b ? "True" : "False";
        case VarType::Object:
        case VarType::Array: conversionError();
    }
    return {};
}

Object* Variant::toObject() const {
    if (type_ == VarType::Object) return u_.obj;
    if (type_ == VarType::Empty || type_ == VarType::Null) return nullptr;
    conversionError();
}

const VariantArray& Variant::arrayData() const {
    if (type_ != VarType::Array) conversionError();
    return *a_;
}

VariantArray& Variant::arrayData() {
    if (type_ != VarType::Array) conversionError();
    if (a_.use_count() > 1) a_ = std::make_shared<VariantArray>(*a_);
    return *a_;
}

int Variant::arrayDimCount() const { return static_cast<int>(arrayData().bounds.size()); }

int Variant::arrayLow(int dim) const {
    const auto& b = arrayData().bounds;
    if (dim < 0 || dim >= static_cast<int>(b.size())) throw EVariantError("Variant array index out of bounds");
    return b[dim].first;
}

int Variant::arrayHigh(int dim) const {
    const auto& b = arrayData().bounds;
    if (dim < 0 || dim >= static_cast<int>(b.size())) throw EVariantError("Variant array index out of bounds");
    return b[dim].second;
}

size_t Variant::flatIndex(const std::vector<int>& indexes) const {
    const auto& data = *a_;
    if (indexes.size() != data.bounds.size()) throw EVariantError("Variant array index out of bounds");
    size_t flat = 0;
    for (size_t k = 0; k < indexes.size(); ++k) {
        const auto [lo, hi] = data.bounds[k];
        if (indexes[k] < lo || indexes[k] > hi) throw EVariantError("Variant array index out of bounds");
        flat = flat * static_cast<size_t>(hi - lo + 1) + static_cast<size_t>(indexes[k] - lo);
    }
    return flat;
}

const Variant& Variant::at(const std::vector<int>& indexes) const {
    arrayData();
    return a_->items[flatIndex(indexes)];
}

Variant& Variant::at(const std::vector<int>& indexes) {
    arrayData();  // makes the storage unique
    return a_->items[flatIndex(indexes)];
}

bool Variant::identical(const Variant& o) const {
    if (type_ != o.type_) return false;
    switch (type_) {
        case VarType::Empty:
        case VarType::Null: return true;
        case VarType::ShortInt:
        case VarType::SmallInt:
        case VarType::Integer: return rawInt() == o.rawInt();
        case VarType::Single: return u_.f == o.u_.f;
        case VarType::Double:
        case VarType::Date: return u_.d == o.u_.d;
        case VarType::Currency: return u_.i64 == o.u_.i64;
        case VarType::String: return s_ == o.s_;
        case VarType::Boolean: return u_.b == o.u_.b;
        case VarType::Object: return u_.obj == o.u_.obj;
        case VarType::Array: {
            if (a_ == o.a_) return true;
            if (a_->bounds != o.a_->bounds) return false;
            for (size_t k = 0; k < a_->items.size(); ++k)
                if (!a_->items[k].identical(o.a_->items[k])) return false;
            return true;
        }
    }
    return false;
}

}  // namespace lumaro
