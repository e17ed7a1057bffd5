#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace paysmith {

std::u16string_view trimBlanks(std::u16string_view text);

// A complete decimal number, nothing around it: optional sign, digits,
// optionally a point and digits, optionally an exponent ("-12.5E+3"). The
// result is rounded once, to nearest, in extended precision. A number beyond
// the extended range gives nullopt; one too small for it underflows to zero.
std::optional<long double> parseDecimalNumber(std::u16string_view text);

// A 32-bit integer. In radix 10: optional sign and digits. In radix 2, 8 or
// 16: up to 32 bits of digits (A-F in either case), read as two's complement.
std::optional<std::int32_t> parseInteger(std::u16string_view text, int radix);

} // namespace paysmith
