#include "numfield/text/numberconvert.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace paysmith {
namespace {

struct NormaliseCase {
    const char* name;
    std::u16string text;
    char16_t decimalMark;
    std::u16string normalised;
};

class NormaliseDecimalText : public testing::TestWithParam<NormaliseCase> {};

TEST_P(NormaliseDecimalText, TidiesBeforeConverting) {
    const NormaliseCase& c = GetParam();
    EXPECT_EQ(normalisedDecimalText(c.text, c.decimalMark), c.normalised);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NormaliseDecimalText,
    testing::Values(NormaliseCase{"blanks_trimmed", u"   12.50 ", u'.', u"12.50"},
                    NormaliseCase{"empty_is_zero", u"   ", u'.', u"0"},
                    NormaliseCase{"trailing_mark_removed", u"1234,", u',', u"1234"},
                    NormaliseCase{"trailing_point_completed", u"1234.", u',', u"1234.0"},
                    NormaliseCase{"later_mark_becomes_point", u"12,5", u',', u"12.5"},
                    NormaliseCase{"leading_mark_stays", u",5", u',', u",5"},
                    NormaliseCase{"leading_point_completed", u".5", u'.', u"0.5"},
                    NormaliseCase{"point_after_minus_completed", u"-.5", u'.', u"-0.5"},
                    NormaliseCase{"blanks_beside_point_removed", u"12 . 5", u'.', u"12.5"},
                    NormaliseCase{"lone_trailing_mark_leaves_nothing", u".", u'.', u""}),
    [](const testing::TestParamInfo<NormaliseCase>& info) { return info.param.name; });

struct ConvertCase {
    const char* name;
    std::u16string text;
    TNumericDataType type;
    int radix;
    char16_t decimalMark;
    Conversion expected;
};

class ConvertNumberText : public testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertNumberText, GivesTheValueOrErrInvalid) {
    const ConvertCase& c = GetParam();
    EXPECT_EQ(convertNumberText(c.text, c.type, c.radix, c.decimalMark), c.expected);
}

constexpr auto kDouble = TNumericDataType::nftDouble;
constexpr auto kInteger = TNumericDataType::nftInteger;
constexpr Conversion kInvalid{0.0L, ErrInvalid};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Texts, ConvertNumberText,
    testing::Values(
        ConvertCase{"amount", u"   1234.50", kDouble, 10, u'.', {1234.5, 0}},
        ConvertCase{"empty_reads_zero", u"", kDouble, 10, u'.', {0.0L, 0}},
        ConvertCase{"trailing_mark_reads_integer_part", u"12,", kDouble, 10, u',', {12.0L, 0}},
        ConvertCase{"point_five", u".5", kDouble, 10, u'.', {0.5L, 0}},
        ConvertCase{"comma_decimal", u"972,9", kDouble, 10, u',', {972.9, 0}},
        ConvertCase{"read_as_double_not_extended", u"0.1", kDouble, 10, u'.', {0.1, 0}},
        ConvertCase{"single_narrowed", u"0.1", TNumericDataType::nftSingle, 10, u'.', {0.1f, 0}},
        ConvertCase{"extended_kept", u"0.1", TNumericDataType::nftExtended, 10, u'.', {0.1L, 0}},
        ConvertCase{"comp_rounded", u"2.6", TNumericDataType::nftComp, 10, u'.', {3.0L, 0}},
        ConvertCase{"exponent", u"1.5E3", kDouble, 10, u'.', {1500.0L, 0}},
        ConvertCase{"many_digits_rounded_once", u"0.1000000000000000055511151231257827", kDouble, 10, u'.', {0.1, 0}},
        ConvertCase{"beyond_double_is_infinite", u"1E400", kDouble, 10, u'.', {std::numeric_limits<long double>::infinity(), 0}},
        ConvertCase{"beyond_extended_invalid", u"1E5000", kDouble, 10, u'.', kInvalid},
        ConvertCase{"below_extended_is_zero", u"1E-5000", kDouble, 10, u'.', {0.0L, 0}},
        ConvertCase{"letter_invalid", u"12a", kDouble, 10, u'.', kInvalid},
        ConvertCase{"infinity_word_invalid", u"inf", kDouble, 10, u'.', kInvalid},
        ConvertCase{"nan_word_invalid", u"nan", kDouble, 10, u'.', kInvalid},
        ConvertCase{"hex_prefix_invalid", u"0x10", kDouble, 10, u'.', kInvalid},
        ConvertCase{"inner_blank_invalid", u"1 234.50", kDouble, 10, u'.', kInvalid},
        ConvertCase{"lone_sign_invalid", u"-", kDouble, 10, u'.', kInvalid},
        ConvertCase{"second_point_invalid", u"1.2.3", kDouble, 10, u'.', kInvalid},
        ConvertCase{"overflow_mark_invalid", u"########", kDouble, 10, u'.', kInvalid},
        ConvertCase{"integer", u"   360", kInteger, 10, u'.', {360.0L, 0}},
        ConvertCase{"integer_empty_reads_zero", u"   ", kInteger, 10, u'.', {0.0L, 0}},
        ConvertCase{"integer_minus_zero", u"-0", kInteger, 10, u'.', {0.0L, 0}},
        ConvertCase{
            "integer_out_of_type_still_converts", u"40000", kInteger, 10, u'.', {40000.0L, 0}},
        ConvertCase{"integer_lowest", u"-2147483648", TNumericDataType::nftLongInt, 10, u'.', {-2147483648.0L, 0}},
        ConvertCase{"integer_beyond_32_bits", u"2147483648", TNumericDataType::nftLongInt, 10, u'.', kInvalid},
        ConvertCase{"integer_point_invalid", u"12.5", kInteger, 10, u'.', kInvalid},
        ConvertCase{"integer_letter_invalid", u"1a", kInteger, 10, u'.', kInvalid},
        ConvertCase{"hexadecimal", u"ff", TNumericDataType::nftLongInt, 16, u'.', {255.0L, 0}},
        ConvertCase{"hexadecimal_all_bits_negative", u"FFFFFFFF", TNumericDataType::nftLongInt, 16, u'.', {-1.0L, 0}},
        ConvertCase{"hexadecimal_beyond_32_bits", u"100000000", TNumericDataType::nftLongInt, 16, u'.', kInvalid},
        ConvertCase{"octal_digit_8_invalid", u"18", TNumericDataType::nftLongInt, 8, u'.', kInvalid},
        ConvertCase{"binary", u"101", TNumericDataType::nftLongInt, 2, u'.', {5.0L, 0}}),
    [](const testing::TestParamInfo<ConvertCase>& info) { return info.param.name; });
// clang-format on

} // namespace
} // namespace paysmith
