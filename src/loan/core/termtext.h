#pragma once

#include "base/text/translatable.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace paysmith {

// The term in years as the loan panel shows it: "30.00 years.", "1.00 year.".
// The quotient payments / periodsPerYear is rounded exactly, half away from
// zero, to two decimals. Requires periodsPerYear >= 1.
std::u16string termText(std::int32_t payments, std::int32_t periodsPerYear,
                        char16_t decimalSeparator);

// The number that text shows, in hundredths of a year, negative for a
// negative number of payments.
std::int64_t termHundredths(std::int32_t payments, std::int32_t periodsPerYear);

// The words after the number, which a widget shows translated.
inline constexpr std::u16string_view kTermYears =
    u"" QT_TRANSLATE_NOOP("paysmith::Term", " years.");
inline constexpr std::u16string_view kTermYear = u"" QT_TRANSLATE_NOOP("paysmith::Term", " year.");

} // namespace paysmith
