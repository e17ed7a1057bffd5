#pragma once

#include <compare>
#include <cstdint>

namespace paysmith {

// Unsigned 128-bit arithmetic for compilers without unsigned __int128: only
// what exact decimal expansion needs, wrapping modulo 2^128 like the built-in
// type. Division goes bit by bit, which is slow but exact.
class PortableUint128 {
  public:
    constexpr PortableUint128(std::uint64_t low = 0) : m_low(low) {}

    constexpr explicit operator std::uint64_t() const { return m_low; }

    friend constexpr bool operator==(const PortableUint128&, const PortableUint128&) = default;
    friend constexpr std::strong_ordering operator<=>(const PortableUint128& a,
                                                      const PortableUint128& b) {
        if (a.m_high != b.m_high)
            return a.m_high <=> b.m_high;
        return a.m_low <=> b.m_low;
    }

    friend constexpr PortableUint128 operator+(PortableUint128 a, const PortableUint128& b) {
        const std::uint64_t low = a.m_low + b.m_low;
        a.m_high += b.m_high + (low < a.m_low ? 1 : 0);
        a.m_low = low;
        return a;
    }
    friend constexpr PortableUint128 operator-(PortableUint128 a, const PortableUint128& b) {
        a.m_high -= b.m_high + (a.m_low < b.m_low ? 1 : 0);
        a.m_low -= b.m_low;
        return a;
    }
    friend constexpr PortableUint128 operator&(PortableUint128 a, const PortableUint128& b) {
        a.m_high &= b.m_high;
        a.m_low &= b.m_low;
        return a;
    }
    friend constexpr PortableUint128 operator<<(PortableUint128 a, int shift) {
        if (shift >= 128)
            return 0;
        if (shift >= 64)
            return fromHalves(a.m_low << (shift - 64), 0);
        if (shift == 0)
            return a;
        return fromHalves((a.m_high << shift) | (a.m_low >> (64 - shift)), a.m_low << shift);
    }
    friend constexpr PortableUint128 operator>>(PortableUint128 a, int shift) {
        if (shift >= 128)
            return 0;
        if (shift >= 64)
            return a.m_high >> (shift - 64);
        if (shift == 0)
            return a;
        return fromHalves(a.m_high >> shift, (a.m_low >> shift) | (a.m_high << (64 - shift)));
    }
    friend constexpr PortableUint128 operator*(const PortableUint128& a, const PortableUint128& b) {
        PortableUint128 product = wideProduct(a.m_low, b.m_low);
        product.m_high += a.m_high * b.m_low + a.m_low * b.m_high;
        return product;
    }
    friend constexpr PortableUint128 operator/(const PortableUint128& a, const PortableUint128& b) {
        PortableUint128 remainder;
        return divide(a, b, remainder);
    }
    friend constexpr PortableUint128 operator%(const PortableUint128& a, const PortableUint128& b) {
        PortableUint128 remainder;
        divide(a, b, remainder);
        return remainder;
    }

    constexpr PortableUint128& operator*=(const PortableUint128& b) { return *this = *this * b; }
    constexpr PortableUint128& operator/=(const PortableUint128& b) { return *this = *this / b; }
    constexpr PortableUint128& operator<<=(int shift) { return *this = *this << shift; }

  private:
    static constexpr PortableUint128 fromHalves(std::uint64_t high, std::uint64_t low) {
        PortableUint128 value(low);
        value.m_high = high;
        return value;
    }

    // The full product of two 64-bit numbers from their 32-bit halves.
    static constexpr PortableUint128 wideProduct(std::uint64_t a, std::uint64_t b) {
        constexpr std::uint64_t kMask = 0xFFFFFFFFu;
        const std::uint64_t lowLow = (a & kMask) * (b & kMask);
        const std::uint64_t highLow = (a >> 32) * (b & kMask);
        const std::uint64_t lowHigh = (a & kMask) * (b >> 32);
        const std::uint64_t highHigh = (a >> 32) * (b >> 32);
        const std::uint64_t middle = (lowLow >> 32) + (highLow & kMask) + (lowHigh & kMask);
        return fromHalves(highHigh + (highLow >> 32) + (lowHigh >> 32) + (middle >> 32),
                          (middle << 32) | (lowLow & kMask));
    }

    // Shift-and-subtract long division; returns the quotient.
    static constexpr PortableUint128 divide(const PortableUint128& a, const PortableUint128& b,
                                            PortableUint128& remainder) {
        PortableUint128 quotient;
        remainder = 0;
        for (int bit = 127; bit >= 0; --bit) {
            remainder = (remainder << 1) + ((a >> bit) & 1);
            if (remainder >= b) {
                remainder = remainder - b;
                quotient = quotient + (PortableUint128(1) << bit);
            }
        }
        return quotient;
    }

    std::uint64_t m_high = 0;
    std::uint64_t m_low;
};

} // namespace paysmith
