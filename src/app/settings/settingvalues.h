#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace paysmith {

// How numbers and flags are spelt in the settings file. Reading never fails:
// a text that does not convert yields the caller's default.

// The shortest general-format text with at most 15 significant digits, no
// grouping; exponent form ("1.5E-6", "1E15") only below 0.00001 or from 16
// integer digits on.
std::u16string formatSettingFloat(double value, char16_t decimalSeparator);

// An optional sign, digits with at most one `decimalSeparator`, an optional
// exponent. Infinities, NaN, grouping, other separators, trailing text and
// out-of-range magnitudes give the default.
double readSettingFloat(std::u16string_view text, char16_t decimalSeparator, double defaultValue);

// As readSettingFloat, and a text that does not convert but holds a single ","
// or "." and no other mark is read with that mark as its separator: the writer
// never groups digits, so such a text was written under the other convention
// (a file saved under de_DE and read under en_US, or back).
double readSettingFloatEitherMark(std::u16string_view text, char16_t decimalSeparator,
                                  double defaultValue);

std::u16string formatSettingInteger(std::int32_t value);

// Decimal with an optional sign, or hexadecimal after "$", or after "0x"/"0X"
// when the text is at least three characters long.
std::int32_t readSettingInteger(std::u16string_view text, std::int32_t defaultValue);

std::u16string formatSettingFlag(bool value);

// Any integer other than 0 is true.
bool readSettingFlag(std::u16string_view text, bool defaultValue);

} // namespace paysmith
