#include "compare/core/periodicrate.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace paysmith {

namespace {

constexpr double kRelativeTolerance = 1e-10;
constexpr double kAbsoluteTolerance = 1e-15;

// Σ_{k=1..n} (1 + i)^−k = (1 − (1 + i)^−n) / i, through expm1 and log1p so
// that a rate near zero keeps its digits instead of cancelling. Close to
// i = −1 the power overflows to +∞, which still orders correctly.
double annuityFactor(double rate, std::int32_t count) {
    if (rate == 0.0)
        return count;
    return -std::expm1(-count * std::log1p(rate)) / rate;
}

} // namespace

double periodicRateOf(double worth, std::int32_t count) {
    assert(worth > 0.0 && count > 0);
    // The bracket holds the root: for i > 0 the factor is below 1/i, so
    // 1/worth is too high a rate; for v = 1/(1 + i) ≥ 1 the sum of v^k is at
    // least count·v, so v = worth/count is too low a rate.
    double low = 0.0;
    double high = 1.0 / worth;
    if (worth > count) {
        low = count / worth - 1.0;
        high = 0.0;
    }
    while (high - low > std::max(kRelativeTolerance * std::max(std::fabs(low), std::fabs(high)),
                                 kAbsoluteTolerance)) {
        const double middle = low + (high - low) / 2.0;
        const double excess = annuityFactor(middle, count) - worth;
        if (excess == 0.0)
            return middle;
        (excess > 0.0 ? low : high) = middle;
    }
    return low + (high - low) / 2.0;
}

} // namespace paysmith
