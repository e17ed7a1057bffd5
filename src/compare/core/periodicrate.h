#pragma once

#include <cstdint>

namespace paysmith {

// The rate per period i > −1 at which `count` level payments, one at the end
// of each period, are worth `worth` payments at the start:
// Σ_{k=1..count} (1 + i)^−k = worth. The sum falls steadily from +∞ near
// i = −1 towards 0 as i grows, so there is exactly one such rate, negative
// when `worth` exceeds `count`. Found by bisection to 1e-10 relative, or
// 1e-15 absolute for a rate that is all but zero. Requires worth > 0 and
// count > 0.
double periodicRateOf(double worth, std::int32_t count);

} // namespace paysmith
