#include "script/library/persistent.h"

namespace lumaro {

void TPersistent::Assign(const TPersistent* source) { assignError(source); }

void TPersistent::assignError(const TPersistent* source) const {
    throw EConvertError(std::string("Cannot assign a ") + (source ? source->ClassName() : "nil") + " to a " +
                        ClassName());
}

std::string listIndexError(int index) { return "List index out of bounds (" + std::to_string(index) + ")"; }

}  // namespace lumaro
