#include "numfield/text/fixedpoint.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace paysmith {
namespace {

struct FixedCase {
    const char* name;
    long double value;
    int decimals;
    std::optional<std::u16string> text;
};

class FixedPointText : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedPointText, RoundsOnTheDecimalExpansion) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(fixedPointText(c.value, c.decimals), c.text);
}

constexpr long double kInfinity = std::numeric_limits<long double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, FixedPointText,
    testing::Values(
        FixedCase{"zero", 0.0L, 2, u"0.00"}, FixedCase{"zero_without_decimals", 0.0L, 0, u"0"},
        FixedCase{"half_cent_rounds_up", 0.005, 2, u"0.01"},
        FixedCase{"double_just_below_half", 2.675, 2, u"2.67"},
        FixedCase{"extended_2_675_expands_to_a_half", 2.675L, 2, u"2.68"},
        FixedCase{"payment", 972.9047, 2, u"972.90"},
        FixedCase{"second_payment", 1053.1253, 2, u"1053.13"},
        FixedCase{"rate_four_decimals", 6.12345, 4, u"6.1235"},
        // 0.014999999999999999444888… expands to 0.01500000000000000 at 17
        // decimals, so the first dropped digit is 5.
        FixedCase{"expansion_decides_not_the_exact_value", 0.015, 2, u"0.02"},
        FixedCase{"below_half_in_eighteen_digits", 1.0049999999999999L, 2, u"1.00"},
        FixedCase{"carry_through_nines", 999.995L, 2, u"1000.00"},
        FixedCase{"carry_adds_a_digit", 9.9999, 2, u"10.00"},
        FixedCase{"nearly_ten_expands_to_ten", 9.999999999999999999L, 17, u"10.00000000000000000"},
        FixedCase{"negative", -1234567.891, 2, u"-1234567.89"},
        FixedCase{"negative_rounding_to_zero_has_no_sign", -0.004, 2, u"0.00"},
        FixedCase{"negative_zero_has_no_sign", -0.0L, 2, u"0.00"},
        FixedCase{"negative_half_away_from_zero", -0.125, 2, u"-0.13"},
        FixedCase{"eighteen_significant_digits", 123456789012345678901.0L, 1,
                  u"123456789012345679000.0"},
        FixedCase{"more_decimals_than_expansion", 12345.5L, 15, u"12345.500000000000000"},
        // Beyond 2^64 the expansion drops the last two of twenty digits: ties go to even.
        FixedCase{"integer_tie_to_even_down", 20000000000000000050.0L, 0, u"20000000000000000000"},
        FixedCase{"integer_tie_to_even_up", 20000000000000000150.0L, 0, u"20000000000000000200"},
        FixedCase{"tiny_is_zero", 1e-300L, 4, u"0.0000"},
        FixedCase{"subnormal_is_zero", std::numeric_limits<long double>::denorm_min(), 2, u"0.00"},
        FixedCase{"largest_written", 9.99999999999999999e35L, 0,
                  u"999999999999999999000000000000000000"},
        FixedCase{"too_large", 1e36L, 2, std::nullopt},
        FixedCase{"infinite", kInfinity, 2, std::nullopt},
        FixedCase{"nan", std::numeric_limits<long double>::quiet_NaN(), 2, std::nullopt}),
    [](const testing::TestParamInfo<FixedCase>& info) { return info.param.name; });

struct IntegerCase {
    const char* name;
    std::int32_t value;
    int radix;
    std::u16string text;
};

class IntegerText : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerText, WritesTheDigitsOfTheRadix) {
    const IntegerCase& c = GetParam();
    EXPECT_EQ(integerText(c.value, c.radix), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, IntegerText,
    testing::Values(IntegerCase{"zero", 0, 10, u"0"}, IntegerCase{"count", 360, 10, u"360"},
                    IntegerCase{"negative", -32768, 10, u"-32768"},
                    IntegerCase{"lowest", INT32_MIN, 10, u"-2147483648"},
                    IntegerCase{"hexadecimal", 255, 16, u"FF"},
                    IntegerCase{"hexadecimal_negative", -1, 16, u"FFFFFFFF"},
                    IntegerCase{"octal", 8, 8, u"10"}, IntegerCase{"binary", 5, 2, u"101"}),
    [](const testing::TestParamInfo<IntegerCase>& info) { return info.param.name; });

} // namespace
} // namespace paysmith
