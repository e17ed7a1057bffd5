#pragma once

#include <cstdint>

namespace paysmith {

// Rounded to the cent as a lender's decimal arithmetic rounds: the value as
// the shortest decimal that reads back as the same double, its half cents
// away from zero. 0.18 / 12 is the double just below 0.015, which gives 0.02
// here as it does on paper. The value must be finite and its cents fit 64 bits.
std::int64_t roundCents(double value);

} // namespace paysmith
