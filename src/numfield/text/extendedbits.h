#pragma once

#include <cstdint>

namespace paysmith {

// A value in the terms of the 80-bit extended format that range records and
// number texts are defined by: a sign, a 15-bit biased exponent and a 64-bit
// significand whose top bit is the explicit integer bit. Found with arithmetic
// rather than by copying memory, so that it holds wherever long double is not
// the x87 format: a wider long double is rounded to the 64-bit significand
// (to nearest, ties to even), as the x87 unit would round it.
struct ExtendedBits {
    bool negative = false;
    std::uint16_t biasedExponent = 0;
    std::uint64_t significand = 0;

    friend bool operator==(const ExtendedBits&, const ExtendedBits&) = default;
};

inline constexpr std::uint16_t kExtendedExponentBias = 16383;
inline constexpr std::uint16_t kExtendedSpecialExponent = 0x7FFF;

ExtendedBits extendedBitsOf(long double value);

// The value the bits stand for, to the nearest long double; NaN and the
// infinities as such.
long double valueOfExtendedBits(const ExtendedBits& bits);

// The power of two that the significand's last bit stands for.
int extendedUnitExponent(const ExtendedBits& bits);

} // namespace paysmith
