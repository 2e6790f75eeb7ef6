// ctMath: rounding and double-precision mathematics. A result that is not a number or is
// infinite for a finite argument stops the script with the platform's floating-point error
// instead of passing NaN or infinity on into the report.
#include <cmath>

#include "core/error.h"
#include "core/number_text.h"
#include "script/library/system_functions.h"

namespace lumaro {
namespace {

LUMARO_EXCEPTION_CLASS(EZeroDivide, Exception)
LUMARO_EXCEPTION_CLASS(EOverflow, Exception)

double number(const std::vector<Variant>& p) { return arg(p, 0).toDouble(); }

// `zeroDivide`: an infinite result means a pole (Ln(0)), not an overflow.
Variant checked(double x, double result, bool zeroDivide = false) {
    if (std::isfinite(x)) {
        if (std::isnan(result)) throw EInvalidOp(kInvalidFloatOperation);
        if (std::isinf(result)) {
            if (zeroDivide) throw EZeroDivide("Floating point division by zero");
            throw EOverflow("Floating point overflow");
        }
    }
    return result;
}

Variant roundFn(std::vector<Variant>& p) { return roundToInt(number(p)); }
Variant truncFn(std::vector<Variant>& p) { return truncToInt(number(p)); }
Variant intFn(std::vector<Variant>& p) { return intPart(number(p)); }
Variant fracFn(std::vector<Variant>& p) { return fracPart(number(p)); }
Variant sqrtFn(std::vector<Variant>& p) { double x = number(p); return checked(x, std::sqrt(x)); }
Variant absFn(std::vector<Variant>& p) { return std::fabs(number(p)); }
Variant sinFn(std::vector<Variant>& p) { double x = number(p); return checked(x, std::sin(x)); }
Variant cosFn(std::vector<Variant>& p) { double x = number(p); return checked(x, std::cos(x)); }
Variant arcTanFn(std::vector<Variant>& p) { return std::atan(number(p)); }
Variant tanFn(std::vector<Variant>& p) { double x = number(p); return checked(x, std::sin(x) / std::cos(x)); }
Variant expFn(std::vector<Variant>& p) { double x = number(p); return checked(x, std::exp(x)); }
Variant lnFn(std::vector<Variant>& p) { double x = number(p); return checked(x, std::log(x), x == 0); }
Variant piFn(std::vector<Variant>&) { return 3.1415926535897932385; }

const LibraryFunction kFunctions[] = {
    {"ctMath", "function Round(e: Extended): Integer", roundFn},
    {"ctMath", "function Trunc(e: Extended): Integer", truncFn},
    {"ctMath", "function Int(e: Extended): Integer", intFn},
    {"ctMath", "function Frac(X: Extended): Extended", fracFn},
    {"ctMath", "function Sqrt(e: Extended): Extended", sqrtFn},
    {"ctMath", "function Abs(e: Extended): Extended", absFn},
    {"ctMath", "function Sin(e: Extended): Extended", sinFn},
    {"ctMath", "function Cos(e: Extended): Extended", cosFn},
    {"ctMath", "function ArcTan(X: Extended): Extended", arcTanFn},
    {"ctMath", "function Tan(X: Extended): Extended", tanFn},
    {"ctMath", "function Exp(X: Extended): Extended", expFn},
    {"ctMath", "function Ln(X: Extended): Extended", lnFn},
    {"ctMath", "function Pi: Extended", piFn},
};

}  // namespace

std::span<const LibraryFunction> mathFunctions() { return kFunctions; }

}  // namespace lumaro
