#include "numfield/text/fixedpoint.h"

#include "base/text/digits.h"
#include "numfield/text/extendedbits.h"
#include "numfield/text/uint128.h"

#include <array>
#include <cassert>
#include <cmath>
#include <limits>

namespace paysmith {

namespace {

// PAYSMITH_PORTABLE_UINT128 lets the tests run the portable path on a
// compiler that has the built-in type.
#if defined(__SIZEOF_INT128__) && !defined(PAYSMITH_PORTABLE_UINT128)
__extension__ using Uint128 = unsigned __int128;
#else
using Uint128 = PortableUint128;
#endif

constexpr int kDecimalsBelowTen = 17;
constexpr int kSignificantDigits = 18;

constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t p = 1;
    for (std::uint64_t& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

// The expansion's digits as an integer: magnitude = digits × 10^-scale.
struct Expansion {
    std::uint64_t digits;
    int scale;
};

// num / (10^tenExponent × 2^twoExponent), rounded to nearest, ties to even.
std::uint64_t roundedQuotient(Uint128 num, int tenExponent, int twoExponent) {
    constexpr int kBits = 128;
    if (twoExponent >= kBits)
        return 0; // num < 2^121, so the quotient is below one half
    const Uint128 tenDivisor = kPowersOfTen[tenExponent];
    const Uint128 quotient = num / tenDivisor;
    const Uint128 tenRest = num % tenDivisor;
    const Uint128 result = quotient >> twoExponent;

    bool roundUp = false;
    if (twoExponent == 0) {
        roundUp = 2 * tenRest > tenDivisor || (2 * tenRest == tenDivisor && (result & 1) != 0);
    } else {
        const Uint128 rest = quotient & ((Uint128{1} << twoExponent) - 1);
        const Uint128 half = Uint128{1} << (twoExponent - 1);
        roundUp = rest > half || (rest == half && (tenRest != 0 || (result & 1) != 0));
    }
    return static_cast<std::uint64_t>(result) + (roundUp ? 1 : 0);
}

int decimalDigitCount(Uint128 n) {
    int count = 1;
    while (n >= 10) {
        n /= 10;
        ++count;
    }
    return count;
}

// The first rounding, done exactly on the binary value m × 2^e of the
// magnitude as an extended holds it.
Expansion expand(long double magnitude) {
    const ExtendedBits bits = extendedBitsOf(magnitude);
    const std::uint64_t mantissa = bits.significand;
    const int e = extendedUnitExponent(bits);

    int scale = kDecimalsBelowTen;
    if (magnitude >= 10.0L) {
        const Uint128 integerPart = e >= 0 ? Uint128{mantissa} << e : Uint128{mantissa} >> -e;
        scale = kSignificantDigits - decimalDigitCount(integerPart);
    }
    Uint128 num = mantissa;
    if (scale > 0)
        num *= kPowersOfTen[scale];
    if (e > 0)
        num <<= e;
    const int tenExponent = scale < 0 ? -scale : 0;
    const int twoExponent = e < 0 ? -e : 0;
    Expansion expansion{roundedQuotient(num, tenExponent, twoExponent), scale};
    // 9.99…95 rounds up to a nineteenth digit; drop the zero it brings.
    if (expansion.digits == kPowersOfTen[kSignificantDigits]) {
        expansion.digits /= 10;
        --expansion.scale;
    }
    return expansion;
}

// Adds one unit in the last place of a digit string, growing it on a carry
// out of the leading digit.
void incrementDigits(std::u16string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != u'9') {
            ++digits[i];
            return;
        }
        digits[i] = u'0';
    }
    digits.insert(digits.begin(), u'1');
}

} // namespace

std::optional<std::u16string> fixedPointText(long double value, int decimalPlaces) {
    assert(decimalPlaces >= 0);
    if (!std::isfinite(value) || std::fabs(value) >= kLargestNumberText)
        return std::nullopt;
    const Expansion expansion =
        value == 0.0L ? Expansion{0, kDecimalsBelowTen} : expand(std::fabs(value));

    // All digits of the expansion, integer and fraction, with at least one
    // integer digit; `fractionLength` of them are decimals.
    std::u16string digits = decimalDigits(expansion.digits);
    const std::size_t fractionLength = expansion.scale > 0 ? expansion.scale : 0;
    if (expansion.scale < 0)
        digits.append(static_cast<std::size_t>(-expansion.scale), u'0');
    if (digits.size() <= fractionLength)
        digits.insert(0, fractionLength + 1 - digits.size(), u'0');

    const auto places = static_cast<std::size_t>(decimalPlaces);
    if (places >= fractionLength) {
        digits.append(places - fractionLength, u'0');
    } else {
        const std::size_t kept = digits.size() - (fractionLength - places);
        const bool roundUp = digits[kept] >= u'5';
        digits.resize(kept);
        if (roundUp)
            incrementDigits(digits);
    }

    const std::size_t integerLength = digits.size() - places;
    const std::size_t firstSignificant =
        std::min(digits.find_first_not_of(u'0'), integerLength - 1);
    const bool nonZero = digits.find_first_not_of(u'0') != std::u16string::npos;

    std::u16string text;
    text.reserve(digits.size() + 2);
    if (std::signbit(value) && nonZero)
        text += u'-';
    text.append(digits, firstSignificant, integerLength - firstSignificant);
    if (places > 0) {
        text += u'.';
        text.append(digits, integerLength, places);
    }
    return text;
}

std::u16string integerText(std::int32_t value, int radix) {
    if (radix == 10) {
        const std::int64_t wide = value;
        std::u16string text = decimalDigits(static_cast<std::uint64_t>(wide < 0 ? -wide : wide));
        if (wide < 0)
            text.insert(text.begin(), u'-');
        return text;
    }
    constexpr std::u16string_view kDigits = u"0123456789ABCDEF";
    auto bits = static_cast<std::uint32_t>(value);
    std::u16string text;
    do {
        text.insert(text.begin(), kDigits[bits % static_cast<std::uint32_t>(radix)]);
        bits /= static_cast<std::uint32_t>(radix);
    } while (bits != 0);
    return text;
}

} // namespace paysmith
