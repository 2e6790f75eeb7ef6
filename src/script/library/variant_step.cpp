#include "script/library/variant_step.h"

#include <limits>

namespace lumaro {

Variant variantStep(const Variant& value, const Variant& step, int direction) {
    if ((value.isOrdinal() || value.isEmptyOrNull()) && step.isOrdinal()) {
        const long long r = static_cast<long long>(value.isOrdinal() ? value.rawInt() : 0) +
                            direction * static_cast<long long>(step.rawInt());
        if (r >= std::numeric_limits<int>::min() && r <= std::numeric_limits<int>::max())
            return static_cast<int>(r);
        return static_cast<double>(r);
    }
    return value.toDouble() + direction * step.toDouble();
}

}  // namespace lumaro
