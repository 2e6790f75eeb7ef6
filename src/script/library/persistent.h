#pragma once
// Base of the host objects the general class library creates for scripts (lists, string
// lists, collections, components). Each knows the class name scripts see.
#include <string>

#include "core/error.h"
#include "core/object.h"

namespace lumaro {

// Index errors of TList and TCollection ("List index out of bounds (5)").
LUMARO_EXCEPTION_CLASS(EListError, Exception)
// Index, sorting and duplicate errors of string lists.
LUMARO_EXCEPTION_CLASS(EStringListError, Exception)

class TPersistent : public Object {
public:
    virtual const char* ClassName() const { return "TPersistent"; }
    // Copies the state of `source`. The base raises EConvertError
    // "Cannot assign a <source class> to a <this class>" ("nil" for no source).
    virtual void Assign(const TPersistent* source);

protected:
    [[noreturn]] void assignError(const TPersistent* source) const;
};

std::string listIndexError(int index);

}  // namespace lumaro
