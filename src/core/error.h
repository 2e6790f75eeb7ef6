#pragma once
// Exceptions raised by the core libraries. Each carries the exact message text shown to the
// operator and a class name that scripts see in "on E: EClass do" handlers.
#include <stdexcept>
#include <string>

namespace lumaro {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    virtual const char* className() const noexcept { return "Exception"; }
    std::string message() const { return what(); }
};

#define LUMARO_EXCEPTION_CLASS(Name, Base)                                       \
    class Name : public Base {                                                   \
    public:                                                                      \
        using Base::Base;                                                        \
        const char* className() const noexcept override { return #Name; }       \
    };

// Value conversions that fail (text that is not a number, an invalid date).
LUMARO_EXCEPTION_CLASS(EConvertError, Exception)
// Variant operations with operands of the wrong class ("Invalid variant operation",
// "Invalid variant type conversion").
LUMARO_EXCEPTION_CLASS(EVariantError, Exception)
// Integer or real division by zero ("Division by zero").
LUMARO_EXCEPTION_CLASS(EDivByZero, Exception)
// Files and streams that cannot be opened, read or written.
LUMARO_EXCEPTION_CLASS(EFileError, Exception)
// Structural faults of a stored document ("Invalid file format").
LUMARO_EXCEPTION_CLASS(EFormatError, Exception)
// Whole-number results that do not fit their type ("Integer overflow").
LUMARO_EXCEPTION_CLASS(EIntOverflow, Exception)
// Floating-point operations without a result, such as rounding NaN ("Invalid floating point operation").
LUMARO_EXCEPTION_CLASS(EInvalidOp, Exception)

inline const char* const kInvalidVariantOperation = "Invalid variant operation";
inline const char* const kInvalidVariantConversion = "Invalid variant type conversion";
inline const char* const kDivisionByZero = "Division by zero";
inline const char* const kInvalidFileFormat = "Invalid file format";
inline const char* const kIntegerOverflow = "Integer overflow";
inline const char* const kInvalidFloatOperation = "Invalid floating point operation";

}  // namespace lumaro
