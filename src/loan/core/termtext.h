#pragma once

#include <cstdint>
#include <string>

namespace paysmith {

// The term in years as the loan panel shows it: "30.00 years.", "1.00 year.".
// The quotient payments / periodsPerYear is rounded exactly, half away from
// zero, to two decimals. Requires periodsPerYear >= 1.
std::u16string termText(std::int32_t payments, std::int32_t periodsPerYear,
                        char16_t decimalSeparator);

} // namespace paysmith
