#include "app/settings/settingvalues.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>

namespace paysmith {

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kSmallestFixedExponent = -5; // 0.00001 is still written in fixed form

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

std::u16string widened(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

// Checks the whole text against the number grammar and spells it the way
// std::from_chars reads it: "." as the separator and no "+" in front.
std::optional<std::string> asciiNumber(std::u16string_view text, char16_t decimalSeparator) {
    std::string ascii;
    std::size_t pos = 0;
    const auto takes = [&](char16_t c) {
        const bool found = pos < text.size() && text[pos] == c;
        pos += found ? 1 : 0;
        return found;
    };
    const auto takeSign = [&] {
        if (takes(u'-'))
            ascii += '-';
        else
            takes(u'+');
    };
    const auto takeDigits = [&] {
        const std::size_t start = pos;
        for (; pos < text.size() && isDigit(text[pos]); ++pos)
            ascii += static_cast<char>(text[pos]);
        return pos - start;
    };

    takeSign();
    std::size_t mantissaDigits = takeDigits();
    if (takes(decimalSeparator)) {
        ascii += '.';
        mantissaDigits += takeDigits();
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (takes(u'E') || takes(u'e')) {
        ascii += 'e';
        takeSign();
        if (takeDigits() == 0)
            return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;
    return ascii;
}

std::optional<double> floatOf(std::u16string_view text, char16_t decimalSeparator) {
    const std::optional<std::string> ascii = asciiNumber(text, decimalSeparator);
    if (!ascii)
        return std::nullopt;
    double value = 0.0;
    const std::from_chars_result read =
        std::from_chars(ascii->data(), ascii->data() + ascii->size(), value);
    if (read.ec != std::errc{} || read.ptr != ascii->data() + ascii->size())
        return std::nullopt;
    return value;
}

std::optional<std::uint32_t> hexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return std::nullopt;
}

std::optional<std::int32_t> hexadecimal(std::u16string_view digits) {
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (char16_t c : digits) {
        const std::optional<std::uint32_t> digit = hexDigitValue(c);
        if (!digit)
            return std::nullopt;
        value = value * 16 + *digit;
        if (value > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> decimal(std::u16string_view text) {
    const bool negative = text.starts_with(u'-');
    if (negative || text.starts_with(u'+'))
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    constexpr std::int64_t kLargestMagnitude = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (char16_t c : text) {
        if (!isDigit(c))
            return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > kLargestMagnitude)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> integerOf(std::u16string_view text) {
    if (text.starts_with(u'$'))
        return hexadecimal(text.substr(1));
    if (text.size() >= 3 && (text.starts_with(u"0x") || text.starts_with(u"0X")))
        return hexadecimal(text.substr(2));
    return decimal(text);
}

// The value as sign, significant digits without trailing zeros and the
// decimal exponent of the first digit, after rounding: 999999999999999.9
// rounds to 1E15 and so takes the exponent form.
struct RoundedDecimal {
    bool negative = false;
    std::string digits; // empty for zero
    int exponent = 0;
};

RoundedDecimal roundedToSignificantDigits(double value) {
    char buffer[32]; // "-d.dddddddddddddde-308"
    const std::to_chars_result printed =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                      kSignificantDigits - 1);
    std::string_view scientific(buffer, static_cast<std::size_t>(printed.ptr - buffer));

    RoundedDecimal rounded;
    rounded.negative = scientific.starts_with('-');
    if (rounded.negative)
        scientific.remove_prefix(1);
    const std::size_t exponentMark = scientific.find('e');
    rounded.digits = scientific.substr(0, 1);
    rounded.digits += scientific.substr(2, exponentMark - 2);
    rounded.digits.erase(rounded.digits.find_last_not_of('0') + 1);

    std::string_view exponentText = scientific.substr(exponentMark + 1);
    if (exponentText.starts_with('+'))
        exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(),
                    rounded.exponent);
    return rounded;
}

std::u16string exponentForm(const RoundedDecimal& rounded, char16_t decimalSeparator) {
    std::u16string text = widened(std::string_view(rounded.digits).substr(0, 1));
    if (rounded.digits.size() > 1) {
        text += decimalSeparator;
        text += widened(std::string_view(rounded.digits).substr(1));
    }
    return text + u'E' + widened(std::to_string(rounded.exponent));
}

std::u16string fixedForm(const RoundedDecimal& rounded, char16_t decimalSeparator) {
    if (rounded.exponent < 0) {
        const auto leadingZeros = static_cast<std::size_t>(-rounded.exponent - 1);
        return u"0" + std::u16string(1, decimalSeparator) + std::u16string(leadingZeros, u'0') +
               widened(rounded.digits);
    }
    const auto integerDigits = static_cast<std::size_t>(rounded.exponent) + 1;
    std::string digits = rounded.digits;
    digits.resize(std::max(digits.size(), integerDigits), '0');
    std::u16string text = widened(std::string_view(digits).substr(0, integerDigits));
    if (digits.size() > integerDigits) {
        text += decimalSeparator;
        text += widened(std::string_view(digits).substr(integerDigits));
    }
    return text;
}

} // namespace

std::u16string formatSettingFloat(double value, char16_t decimalSeparator) {
    if (std::isnan(value))
        return u"NAN";
    if (std::isinf(value))
        return value < 0 ? u"-INF" : u"INF";

    const RoundedDecimal rounded = roundedToSignificantDigits(value);
    if (rounded.digits.empty())
        return u"0"; // also for -0
    std::u16string text = rounded.negative ? u"-" : u"";
    if (rounded.exponent < kSmallestFixedExponent || rounded.exponent >= kSignificantDigits)
        text += exponentForm(rounded, decimalSeparator);
    else
        text += fixedForm(rounded, decimalSeparator);
    return text;
}

double readSettingFloat(std::u16string_view text, char16_t decimalSeparator, double defaultValue) {
    return floatOf(text, decimalSeparator).value_or(defaultValue);
}

double readSettingFloatEitherMark(std::u16string_view text, char16_t decimalSeparator,
                                  double defaultValue) {
    if (const std::optional<double> value = floatOf(text, decimalSeparator))
        return *value;
    const auto commas = std::ranges::count(text, u',');
    if (commas + std::ranges::count(text, u'.') != 1)
        return defaultValue;
    return floatOf(text, commas == 1 ? u',' : u'.').value_or(defaultValue);
}

std::u16string formatSettingInteger(std::int32_t value) {
    return widened(std::to_string(value));
}

std::int32_t readSettingInteger(std::u16string_view text, std::int32_t defaultValue) {
    return integerOf(text).value_or(defaultValue);
}

std::u16string formatSettingFlag(bool value) {
    return value ? u"1" : u"0";
}

bool readSettingFlag(std::u16string_view text, bool defaultValue) {
    const std::optional<std::int32_t> value = integerOf(text);
    return value ? *value != 0 : defaultValue;
}

} // namespace paysmith
