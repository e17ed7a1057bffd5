#include "loan/core/matherror.h"

#include <cfloat>
#include <cmath>

namespace paysmith {

double checkedResult(long double value, const char* what) {
    if (std::isnan(value))
        throw EInvalidOp(std::string("Invalid floating point operation in ") + what);
    if (std::isinf(value) || std::fabs(value) > static_cast<long double>(DBL_MAX))
        throw EOverflow(std::string("Floating point overflow in ") + what);
    return static_cast<double>(value);
}

} // namespace paysmith
