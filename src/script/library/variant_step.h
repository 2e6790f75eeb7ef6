#pragma once
// Inc and Dec: a value moved by a step with Variant arithmetic.
#include "core/variant.h"

namespace lumaro {

// value + step (direction +1) or value - step (direction -1).
Variant variantStep(const Variant& value, const Variant& step, int direction);

}  // namespace lumaro
