// Round trips of many values through display text and back. The expected
// rounding is worked out on glibc's exact decimal printing, independently of
// the code under test: the magnitude printed to 17 decimals (below 10) or 18
// significant digits, then cut, rounding up on a first dropped digit of 5 or
// more.

#include "numfield/text/numerictext.h"

#include "conventions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace paysmith {
namespace {

using namespace testing_conventions;

constexpr int kValuesPerField = 100000;

struct Rounded {
    std::string text; // "-" when not zero, integer digits, "." and decimals
    int integerDigits;
};

std::string expansionDigits(long double magnitude, std::size_t& integerLength) {
    char buffer[64];
    if (magnitude < 10.0L) {
        std::snprintf(buffer, sizeof buffer, "%.17Lf", magnitude);
        const std::string text = buffer;
        integerLength = text.find('.');
        return text.substr(0, integerLength) + text.substr(integerLength + 1);
    }
    std::snprintf(buffer, sizeof buffer, "%.17Le", magnitude);
    const std::string text = buffer;
    const std::size_t exponentAt = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, exponentAt - 2);
    integerLength = static_cast<std::size_t>(std::atoi(text.c_str() + exponentAt + 1)) + 1;
    if (digits.size() < integerLength)
        digits.append(integerLength - digits.size(), '0');
    return digits;
}

Rounded referenceRounding(long double value, int decimals) {
    std::size_t integerLength = 0;
    std::string digits = expansionDigits(std::fabs(value), integerLength);
    const std::size_t kept = integerLength + static_cast<std::size_t>(decimals);
    const bool up = digits.size() > kept && digits[kept] >= '5';
    digits.resize(kept, '0');
    if (up) {
        std::size_t i = kept;
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0) {
            digits.insert(digits.begin(), '1');
            ++integerLength;
        } else {
            ++digits[i - 1];
        }
    }
    std::string integer = digits.substr(0, integerLength);
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    std::string text = (std::signbit(value) && !zero ? "-" : "") + integer;
    if (decimals > 0)
        text += "." + digits.substr(integerLength);
    return {text, static_cast<int>(integer.size())};
}

// The display text without blanks, grouping and with a point for decimals.
std::string plainNumber(std::u16string_view display, const TIntlSupport& intl) {
    std::string plain;
    for (const char16_t c : display) {
        if (c == u' ' || c == intl.GroupMark())
            continue;
        plain += c == intl.DecimalMark() ? '.' : static_cast<char>(c);
    }
    return plain;
}

struct FloatField {
    const char* name;
    std::u16string mask;
    TNumericDataType type;
    int integerCapacity; // digits plus sign the mask can show
    int decimals;
};

// A mix of magnitudes spread evenly over the orders of ten up to one beyond
// the mask: arbitrary values, exact decimals, exact halves of the last
// decimal and their neighbouring doubles.
long double randomValue(std::mt19937_64& random, int index, const FloatField& field) {
    std::uniform_real_distribution<long double> unit(0.0L, 1.0L);
    const long double scale = std::pow(10.0L, field.decimals);
    const long double spread = std::pow(10.0L, unit(random) * (field.integerCapacity + 1));
    long double magnitude = 0.0L;
    switch (index % 4) {
    case 0:
        magnitude = std::pow(10.0L, -6.0L + unit(random) * (field.integerCapacity + 7));
        break;
    case 1:
        magnitude = std::floor(spread * scale) / scale;
        break;
    case 2:
        magnitude = (std::floor(spread * scale) + 0.5L) / scale;
        break;
    default:
        magnitude = (std::floor(spread * scale) + 0.5L) / scale;
        magnitude = std::nextafter(static_cast<double>(magnitude), random() % 2 ? 0.0 : 1e300);
        break;
    }
    return random() % 2 ? -magnitude : magnitude;
}

long double asHeld(TNumericDataType type, long double value) {
    switch (type) {
    case TNumericDataType::nftSingle:
        return static_cast<float>(value);
    case TNumericDataType::nftExtended:
        return value;
    case TNumericDataType::nftComp:
        return std::nearbyint(value);
    default:
        return static_cast<double>(value);
    }
}

class FloatRoundTrip : public testing::TestWithParam<FloatField> {};

TEST_P(FloatRoundTrip, ReadsBackTheValueRoundedToTheMaskDecimals) {
    const FloatField& field = GetParam();
    std::mt19937_64 random(20240607);
    int overflows = 0;
    for (int i = 0; i < kValuesPerField; ++i) {
        const TIntlSupport& intl = *kAll[static_cast<std::size_t>(i) % kAll.size()];
        const NumericText text(intl, field.type, PictureMask(field.mask),
                               defaultRangeLo(field.type), defaultRangeHi(field.type));
        const long double value = asHeld(field.type, randomValue(random, i, field));
        const Rounded expected = referenceRounding(value, field.decimals);
        const bool fits =
            expected.integerDigits + (expected.text[0] == '-' ? 1 : 0) <= field.integerCapacity;

        const std::u16string display = text.displayTextOfFloat(value);
        const Conversion back = text.valueOf(display);
        ASSERT_EQ(display.size(), field.mask.size());
        if (!fits) {
            ++overflows;
            ASSERT_TRUE(text.layout().isOverflowText(display)) << expected.text;
            ASSERT_EQ(back.code, ErrInvalid);
            continue;
        }
        ASSERT_EQ(plainNumber(display, intl), expected.text) << static_cast<double>(value);
        ASSERT_EQ(back.code, 0) << expected.text;
        ASSERT_EQ(back.value, asHeld(field.type, std::strtold(expected.text.c_str(), nullptr)))
            << expected.text;
    }
    // The mix must reach both sides of the mask's limit.
    EXPECT_GT(overflows, kValuesPerField / 50);
    EXPECT_LT(overflows, kValuesPerField / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FloatRoundTrip,
    testing::Values(
        FloatField{"amount_double", u"###,###,###.##", TNumericDataType::nftDouble, 9, 2},
        FloatField{"rate_double", u"###.####", TNumericDataType::nftDouble, 3, 4},
        FloatField{"default_double", u"##########", TNumericDataType::nftDouble, 10, 0},
        FloatField{"amount_real", u"###,###,###.##", TNumericDataType::nftReal, 9, 2},
        FloatField{"amount_single", u"###,###,###.##", TNumericDataType::nftSingle, 9, 2},
        FloatField{"amount_extended", u"###,###,###.##", TNumericDataType::nftExtended, 9, 2},
        FloatField{"default_comp", u"iiiiiiiiii", TNumericDataType::nftComp, 10, 0}),
    [](const testing::TestParamInfo<FloatField>& info) { return info.param.name; });

struct IntegerField {
    const char* name;
    TNumericDataType type;
    std::int32_t low;
    std::int32_t high;
};

class IntegerRoundTrip : public testing::TestWithParam<IntegerField> {};

TEST_P(IntegerRoundTrip, ReadsBackEveryValueOfTheType) {
    const IntegerField& field = GetParam();
    std::mt19937_64 random(20240608);
    std::uniform_int_distribution<std::int32_t> values(field.low, field.high);
    const NumericText text(kEnglish, field.type);
    for (int i = 0; i < kValuesPerField; ++i) {
        const std::int32_t value = i == 0 ? field.low : i == 1 ? field.high : values(random);
        const std::u16string display = text.displayTextOfInteger(value);
        ASSERT_EQ(display.size(), text.mask().displayLength());
        ASSERT_EQ(plainNumber(display, kEnglish), std::to_string(value));
        ASSERT_EQ(text.valueOf(display), (Conversion{static_cast<long double>(value), 0}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Types, IntegerRoundTrip,
    testing::Values(IntegerField{"longint", TNumericDataType::nftLongInt, INT32_MIN, INT32_MAX},
                    IntegerField{"word", TNumericDataType::nftWord, 0, 65535},
                    IntegerField{"integer", TNumericDataType::nftInteger, -32768, 32767},
                    IntegerField{"byte", TNumericDataType::nftByte, 0, 255},
                    IntegerField{"shortint", TNumericDataType::nftShortInt, -128, 127}),
    [](const testing::TestParamInfo<IntegerField>& info) { return info.param.name; });

class CentSweep : public testing::TestWithParam<const TIntlSupport*> {};

TEST_P(CentSweep, EveryCentUpToTenThousandReadsBackExactly) {
    const TIntlSupport& intl = *GetParam();
    const NumericText text(intl, TNumericDataType::nftDouble, PictureMask(u"###,###,###.##"),
                           defaultRangeLo(TNumericDataType::nftDouble),
                           defaultRangeHi(TNumericDataType::nftDouble));
    constexpr long long kLastCent = 1000000;
    char expected[32];
    for (long long cents = 0; cents <= kLastCent; ++cents) {
        const double amount = static_cast<double>(cents) / 100.0;
        const std::u16string display = text.displayTextOfFloat(amount);
        std::snprintf(expected, sizeof expected, "%lld.%02lld", cents / 100, cents % 100);
        ASSERT_EQ(plainNumber(display, intl), expected);
        ASSERT_EQ(text.valueOf(display), (Conversion{amount, 0})) << expected;
    }
}

INSTANTIATE_TEST_SUITE_P(Conventions, CentSweep, testing::Values(&kEnglish, &kFrench),
                         [](const testing::TestParamInfo<const TIntlSupport*>& info) {
                             return info.param == &kEnglish ? "point_decimals" : "comma_decimals";
                         });

} // namespace
} // namespace paysmith
