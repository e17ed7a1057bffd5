#include "numfield/text/extendedbits.h"

#include <cmath>
#include <limits>

namespace paysmith {

namespace {

constexpr int kSignificandBits = 64;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
// The smallest normal extended is 2^(1 - bias); denormals share its unit.
constexpr int kLowestUnitExponent = 1 - kExtendedExponentBias - (kSignificandBits - 1);

// `scaled` rounded to a whole number, which must be below 2^64 unless it
// rounds up to exactly 2^64; that carry is reported instead of stored.
std::uint64_t roundedSignificand(long double scaled, bool& carry) {
    const long double whole = std::nearbyint(scaled);
    carry = whole == std::ldexp(1.0L, kSignificandBits);
    return carry ? kIntegerBit : static_cast<std::uint64_t>(whole);
}

} // namespace

ExtendedBits extendedBitsOf(long double value) {
    ExtendedBits bits;
    bits.negative = std::signbit(value);
    if (std::isnan(value)) {
        bits.biasedExponent = kExtendedSpecialExponent;
        bits.significand = kIntegerBit | (kIntegerBit >> 1); // the quiet NaN
        return bits;
    }
    if (std::isinf(value)) {
        bits.biasedExponent = kExtendedSpecialExponent;
        bits.significand = kIntegerBit;
        return bits;
    }
    if (value == 0.0L)
        return bits;

    const long double magnitude = std::fabs(value);
    int exponent = 0;
    const long double fraction = std::frexp(magnitude, &exponent);
    const int biased = exponent - 1 + kExtendedExponentBias;
    bool carry = false;
    if (biased <= 0) {
        // A denormal: the significand counts units of the smallest normal's
        // last bit; rounding up into the integer bit makes it that normal.
        bits.significand = roundedSignificand(std::ldexp(magnitude, -kLowestUnitExponent), carry);
        bits.biasedExponent = (bits.significand & kIntegerBit) != 0 ? 1 : 0;
        return bits;
    }
    bits.significand = roundedSignificand(std::ldexp(fraction, kSignificandBits), carry);
    const int rounded = biased + (carry ? 1 : 0);
    if (rounded >= kExtendedSpecialExponent) {
        bits.biasedExponent = kExtendedSpecialExponent;
        bits.significand = kIntegerBit;
        return bits;
    }
    bits.biasedExponent = static_cast<std::uint16_t>(rounded);
    return bits;
}

int extendedUnitExponent(const ExtendedBits& bits) {
    const int biased = bits.biasedExponent == 0 ? 1 : bits.biasedExponent;
    return biased - kExtendedExponentBias - (kSignificandBits - 1);
}

long double valueOfExtendedBits(const ExtendedBits& bits) {
    long double magnitude = 0.0L;
    if (bits.biasedExponent == kExtendedSpecialExponent) {
        magnitude = (bits.significand << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                                 : std::numeric_limits<long double>::quiet_NaN();
    } else {
        magnitude =
            std::ldexp(static_cast<long double>(bits.significand), extendedUnitExponent(bits));
    }
    return bits.negative ? -magnitude : magnitude;
}

} // namespace paysmith
