#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace paysmith {

// Magnitudes from here on have more integer digits than any number text is
// written with; they show as not fitting.
inline constexpr long double kLargestNumberText = 1e36L;

// A floating value as number text: "-" for a value that is negative after
// rounding, the integer digits, and exactly `decimalPlaces` decimals after a
// point. Rounded in two steps: the magnitude is first expanded to 17 decimals
// below 10, otherwise to 18 significant digits (to nearest), and that expansion
// is then cut, rounding up when the first dropped digit is 5 or more. So 0.005
// gives 0.01 and 2.675 (just below it as a double) gives 2.67. NaN, infinities
// and magnitudes of kLargestNumberText and above give nullopt.
std::optional<std::u16string> fixedPointText(long double value, int decimalPlaces);

// An integer as number text. Radix 10 writes a sign and digits; radix 2, 8 and
// 16 write the 32 bits of the two's complement in upper-case digits.
std::u16string integerText(std::int32_t value, int radix);

} // namespace paysmith
