#include "numfield/text/numberparse.h"

#include <array>
#include <charconv>
#include <string>

namespace paysmith {

namespace {

constexpr int kFastDigits = 19;   // any 19-digit integer is exact in the 64-bit mantissa
constexpr int kFastExponent = 27; // so is every power of ten up to 1E27
constexpr int kExponentCap = 100000;

constexpr std::array<long double, kFastExponent + 1> kExactPowersOfTen = [] {
    std::array<long double, kFastExponent + 1> powers{};
    long double p = 1.0L;
    for (long double& power : powers) {
        power = p;
        p *= 10.0L;
    }
    return powers;
}();

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

struct DecimalScan {
    bool negative = false;
    std::uint64_t significand = 0;
    int significantDigits = 0;
    int exponent = 0;     // value = significand × 10^exponent while digits fit
    int leadExponent = 0; // decimal exponent just above the leading digit
    std::u16string_view magnitude;
};

std::size_t skipDigits(std::u16string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

void addDigit(DecimalScan& scan, char16_t digit) {
    if (scan.significantDigits == 0 && digit == u'0')
        return;
    if (++scan.significantDigits <= kFastDigits)
        scan.significand = scan.significand * 10 + static_cast<std::uint64_t>(digit - u'0');
}

std::optional<DecimalScan> scanDecimal(std::u16string_view text) {
    DecimalScan scan;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        scan.negative = text[i++] == u'-';
    scan.magnitude = text.substr(i);

    const std::size_t integerEnd = skipDigits(text, i);
    if (integerEnd == i)
        return std::nullopt;
    for (; i < integerEnd; ++i)
        addDigit(scan, text[i]);
    const int integerSignificant = scan.significantDigits;
    int fractionDigits = 0;
    int fractionLeadingZeros = 0;
    if (i < text.size() && text[i] == u'.') {
        const std::size_t fractionEnd = skipDigits(text, ++i);
        if (fractionEnd == i)
            return std::nullopt;
        for (; i < fractionEnd; ++i) {
            if (scan.significantDigits == 0 && text[i] == u'0')
                ++fractionLeadingZeros;
            addDigit(scan, text[i]);
            if (scan.significantDigits <= kFastDigits)
                ++fractionDigits;
        }
    }
    int exponent = 0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            negativeExponent = text[i++] == u'-';
        const std::size_t exponentEnd = skipDigits(text, i);
        if (exponentEnd == i)
            return std::nullopt;
        for (; i < exponentEnd; ++i) {
            if (exponent < kExponentCap)
                exponent = exponent * 10 + (text[i] - u'0');
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != text.size())
        return std::nullopt;

    scan.exponent = exponent - fractionDigits;
    scan.leadExponent =
        exponent + (integerSignificant > 0 ? integerSignificant : -fractionLeadingZeros);
    return scan;
}

std::optional<long double> convertExactly(const DecimalScan& scan) {
    std::string ascii(scan.magnitude.begin(), scan.magnitude.end());
    long double value = 0.0L;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (scan.leadExponent > 0)
            return std::nullopt;
        value = 0.0L;
    } else if (error != std::errc() || end != ascii.data() + ascii.size()) {
        return std::nullopt;
    }
    return value;
}

int digitValue(char16_t c) {
    if (isDigit(c))
        return c - u'0';
    if (c >= u'A' && c <= u'Z')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'z')
        return c - u'a' + 10;
    return -1;
}

std::optional<std::int32_t> parseDecimalInteger(std::u16string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    if (i == text.size())
        return std::nullopt;
    constexpr std::int64_t kBeyond = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return std::nullopt;
        magnitude = magnitude * 10 + (text[i] - u'0');
        if (magnitude > kBeyond)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value >= kBeyond)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> parseRadixBits(std::u16string_view text, int radix) {
    if (text.empty())
        return std::nullopt;
    std::uint64_t bits = 0;
    for (const char16_t c : text) {
        const int digit = digitValue(c);
        if (digit < 0 || digit >= radix)
            return std::nullopt;
        bits = bits * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
        if (bits > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
}

} // namespace

std::u16string_view trimBlanks(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

std::optional<long double> parseDecimalNumber(std::u16string_view text) {
    const std::optional<DecimalScan> scan = scanDecimal(text);
    if (!scan)
        return std::nullopt;
    std::optional<long double> magnitude;
    // Clinger's fast path: an exact significand and an exact power of ten
    // meet in one correctly rounded multiplication or division.
    if (scan->significantDigits <= kFastDigits && scan->exponent >= -kFastExponent &&
        scan->exponent <= kFastExponent) {
        const long double significand = static_cast<long double>(scan->significand);
        magnitude = scan->exponent >= 0 ? significand * kExactPowersOfTen[scan->exponent]
                                        : significand / kExactPowersOfTen[-scan->exponent];
    } else {
        magnitude = convertExactly(*scan);
    }
    if (magnitude && scan->negative)
        *magnitude = -*magnitude;
    return magnitude;
}

std::optional<std::int32_t> parseInteger(std::u16string_view text, int radix) {
    if (radix == 10)
        return parseDecimalInteger(text);
    return parseRadixBits(text, radix);
}

} // namespace paysmith
