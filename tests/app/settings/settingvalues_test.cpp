#include "app/settings/settingvalues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace paysmith {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct FormatCase {
    const char* name;
    double value;
    char16_t separator;
    std::u16string text;
};

class FloatWriting : public testing::TestWithParam<FormatCase> {};

TEST_P(FloatWriting, UsesTheShortestGeneralForm) {
    EXPECT_EQ(formatSettingFloat(GetParam().value, GetParam().separator), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, FloatWriting, testing::Values(
    FormatCase{"amount", 150000, u'.', u"150000"},
    FormatCase{"rate", 6.75, u'.', u"6.75"},
    FormatCase{"rate_comma", 6.75, u',', u"6,75"},
    FormatCase{"zero", 0.0, u'.', u"0"},
    FormatCase{"negative_zero", -0.0, u'.', u"0"},
    FormatCase{"negative_half", -0.5, u'.', u"-0.5"},
    FormatCase{"sum_rounded_to_15_digits", 0.1 + 0.2, u'.', u"0.3"},
    FormatCase{"third", 1.0 / 3, u'.', u"0.333333333333333"},
    FormatCase{"smallest_fixed", 0.00001, u'.', u"0.00001"},
    FormatCase{"below_fixed", 0.0000099999, u'.', u"9.9999E-6"},
    FormatCase{"millionth", 1e-6, u'.', u"1E-6"},
    FormatCase{"millionth_and_half", 1.5e-6, u'.', u"1.5E-6"},
    FormatCase{"exponent_comma", -1.5e-6, u',', u"-1,5E-6"},
    FormatCase{"fifteen_integer_digits", 123456789012345, u'.', u"123456789012345"},
    FormatCase{"sixteen_integer_digits", 1234567890123456, u'.', u"1.23456789012346E15"},
    FormatCase{"rounds_up_to_sixteen_digits", 999999999999999.9, u'.', u"1E15"},
    FormatCase{"arabic_separator", 1234.5678, u'\u066B', u"1234\u066B5678"},
    FormatCase{"infinity", kInfinity, u'.', u"INF"},
    FormatCase{"nan", std::nan(""), u'.', u"NAN"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return info.param.name; });
// clang-format on

constexpr double kFloatDefault = 42.25;

struct FloatReadCase {
    const char* name;
    std::u16string text;
    char16_t separator;
    double expected;
};

class FloatReading : public testing::TestWithParam<FloatReadCase> {};

TEST_P(FloatReading, ConvertsOrGivesTheDefault) {
    const FloatReadCase& c = GetParam();
    EXPECT_EQ(readSettingFloat(c.text, c.separator, kFloatDefault), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, FloatReading, testing::Values(
    FloatReadCase{"point", u"6.75", u'.', 6.75},
    FloatReadCase{"comma", u"6,75", u',', 6.75},
    FloatReadCase{"comma_under_point", u"6,75", u'.', kFloatDefault},
    FloatReadCase{"point_under_comma", u"6.75", u',', kFloatDefault},
    FloatReadCase{"negative", u"-0.5", u'.', -0.5},
    FloatReadCase{"plus_sign", u"+2", u'.', 2},
    FloatReadCase{"exponent", u"1.5E-6", u'.', 1.5e-6},
    FloatReadCase{"exponent_comma", u"1,5E-6", u',', 1.5e-6},
    FloatReadCase{"no_integer_digits", u".5", u'.', 0.5},
    FloatReadCase{"arabic_separator", u"6\u066B75", u'\u066B', 6.75},
    FloatReadCase{"empty", u"", u'.', kFloatDefault},
    FloatReadCase{"separator_alone", u".", u'.', kFloatDefault},
    FloatReadCase{"exponent_without_digits", u"1E", u'.', kFloatDefault},
    FloatReadCase{"inf", u"inf", u'.', kFloatDefault},
    FloatReadCase{"written_infinity", u"INF", u'.', kFloatDefault},
    FloatReadCase{"nan", u"nan", u'.', kFloatDefault},
    FloatReadCase{"thousands", u"150,000", u'.', kFloatDefault},
    FloatReadCase{"trailing_garbage", u"6.75abc", u'.', kFloatDefault},
    FloatReadCase{"hexadecimal", u"0x10", u'.', kFloatDefault},
    FloatReadCase{"full_width_digit", u"\uFF16", u'.', kFloatDefault},
    FloatReadCase{"overflow", u"1E999", u'.', kFloatDefault}),
    [](const testing::TestParamInfo<FloatReadCase>& info) { return info.param.name; });
// clang-format on

class FloatReadingEitherMark : public testing::TestWithParam<FloatReadCase> {};

TEST_P(FloatReadingEitherMark, TakesTheOtherMarkOnlyWhenUnambiguous) {
    const FloatReadCase& c = GetParam();
    EXPECT_EQ(readSettingFloatEitherMark(c.text, c.separator, kFloatDefault), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FloatReadingEitherMark,
    testing::Values(FloatReadCase{"comma_under_point", u"123456,78", u'.', 123456.78},
                    FloatReadCase{"point_under_comma", u"6.75", u',', 6.75},
                    FloatReadCase{"exponent_comma_under_point", u"-1,5E-6", u'.', -1.5e-6},
                    FloatReadCase{"point_under_arabic", u"6.75", u'\u066B', 6.75},
                    FloatReadCase{"own_mark_first", u"6,75", u',', 6.75},
                    FloatReadCase{"two_commas", u"1,234,5", u'.', kFloatDefault},
                    FloatReadCase{"both_marks", u"1.234,5", u',', kFloatDefault},
                    FloatReadCase{"mark_and_space", u"1 234,5", u'.', kFloatDefault},
                    FloatReadCase{"mark_alone", u",", u'.', kFloatDefault},
                    FloatReadCase{"mark_and_garbage", u"6,75x", u'.', kFloatDefault}),
    [](const testing::TestParamInfo<FloatReadCase>& info) { return info.param.name; });

class FloatRoundTrip : public testing::TestWithParam<char16_t> {};

// Amounts in cents and rates with four decimals have at most 15 significant
// digits, so their text must read back as the very same double.
TEST_P(FloatRoundTrip, ReadsBackWhatWasWritten) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::int64_t> cents(-99'999'999'999'999, 99'999'999'999'999);
    std::uniform_int_distribution<std::int64_t> rate(0, 9'999'999);
    for (int i = 0; i < 2000; ++i) {
        for (double value : {static_cast<double>(cents(random)) / 100,
                             static_cast<double>(rate(random)) / 10000}) {
            const std::u16string text = formatSettingFloat(value, GetParam());
            EXPECT_EQ(readSettingFloat(text, GetParam(), kFloatDefault), value);
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Separators, FloatRoundTrip, testing::Values(u'.', u',', u'\u066B'),
    [](const testing::TestParamInfo<char16_t>& info) { return info.index == 0 ? "point" : info.index == 1 ? "comma" : "arabic"; });
// clang-format on

struct IntegerCase {
    const char* name;
    std::u16string text;
    std::int32_t expected;
};

constexpr std::int32_t kIntegerDefault = 360;

class IntegerReading : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerReading, ConvertsOrGivesTheDefault) {
    EXPECT_EQ(readSettingInteger(GetParam().text, kIntegerDefault), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, IntegerReading, testing::Values(
    IntegerCase{"decimal", u"240", 240},
    IntegerCase{"negative", u"-12", -12},
    IntegerCase{"hex_0x_shortest", u"0x5", 5},
    IntegerCase{"hex_0X_upper_digits", u"0XFF", 255},
    IntegerCase{"hex_dollar", u"$f0", 240},
    IntegerCase{"letters", u"abc", kIntegerDefault},
    IntegerCase{"largest", u"2147483647", 2147483647},
    IntegerCase{"smallest", u"-2147483648", INT32_MIN},
    IntegerCase{"too_large", u"2147483648", kIntegerDefault},
    IntegerCase{"hex_too_large", u"$80000000", kIntegerDefault},
    IntegerCase{"bare_0x", u"0x", kIntegerDefault},
    IntegerCase{"bad_hex_digit", u"0x1g", kIntegerDefault},
    IntegerCase{"signed_hex", u"-0x10", kIntegerDefault},
    IntegerCase{"fraction", u"12.5", kIntegerDefault},
    IntegerCase{"exponent", u"1E3", kIntegerDefault},
    IntegerCase{"huge", std::u16string(3000, u'9'), kIntegerDefault}),
    [](const testing::TestParamInfo<IntegerCase>& info) { return info.param.name; });
// clang-format on

struct FlagCase {
    const char* name;
    std::u16string text;
    bool defaultValue;
    bool expected;
};

class FlagReading : public testing::TestWithParam<FlagCase> {};

TEST_P(FlagReading, ReadsAnyNonZeroIntegerAsTrue) {
    EXPECT_EQ(readSettingFlag(GetParam().text, GetParam().defaultValue), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, FlagReading, testing::Values(
    FlagCase{"one", u"1", false, true},
    FlagCase{"zero", u"0", true, false},
    FlagCase{"minus_one", u"-1", false, true},
    FlagCase{"hex_nonzero", u"$10", false, true},
    FlagCase{"yes_gives_default_false", u"yes", false, false},
    FlagCase{"yes_gives_default_true", u"yes", true, true}),
    [](const testing::TestParamInfo<FlagCase>& info) { return info.param.name; });
// clang-format on

} // namespace
} // namespace paysmith
