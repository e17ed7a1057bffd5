#include "numfield/text/numerictext.h"

#include "conventions.h"
#include "fieldtexts.h"

#include <gtest/gtest.h>

#include <string>

namespace paysmith {
namespace {

using namespace testing_conventions;
using namespace testing_fields;

enum class Field { Amount, Rate };

NumericText fieldOf(Field field, const TIntlSupport& intl) {
    return field == Field::Amount ? amountField(intl) : rateField(intl);
}

struct FloatCase {
    const char* name;
    Field field;
    const TIntlSupport* intl;
    long double value;
    std::u16string displayText;
    Conversion readBack;
};

class FloatFieldText : public testing::TestWithParam<FloatCase> {};

TEST_P(FloatFieldText, ShowsAndReadsBackTheRoundedValue) {
    const FloatCase& c = GetParam();
    const NumericText text = fieldOf(c.field, *c.intl);
    const std::u16string shown = text.displayTextOfFloat(c.value);
    EXPECT_EQ(shown, c.displayText);
    EXPECT_EQ(text.valueOf(shown), c.readBack);
}

constexpr Conversion kNotValid{0.0L, ErrInvalid};

// The overflow cases are the values that would otherwise show as a different
// number: digits cut on the left, or a sign with no place left.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Values, FloatFieldText,
    testing::Values(
        FloatCase{"zero_amount", Field::Amount, &kEnglish, 0.0L, u"          0.00", {0.0L, 0}},
        FloatCase{"zero_rate", Field::Rate, &kEnglish, 0.0L, u"  0.0000", {0.0L, 0}},
        FloatCase{"payment_rounded", Field::Amount, &kEnglish, 972.9047, u"        972.90", {972.9, 0}},
        FloatCase{"negative_rounding_to_zero", Field::Amount, &kEnglish, -0.004, u"          0.00", {0.0L, 0}},
        FloatCase{"german_swap", Field::Amount, &kGerman, 1234.5, u"      1.234,50", {1234.5, 0}},
        FloatCase{"rate", Field::Rate, &kEnglish, 6.75, u"  6.7500", {6.75L, 0}},
        FloatCase{"rate_most_negative", Field::Rate, &kEnglish, -99.9999, u"-99.9999", {-99.9999, 0}},
        FloatCase{"rate_rounds_to_minus_hundred", Field::Rate, &kEnglish, -99.99996, u"########", kNotValid},
        FloatCase{"rate_minus_hundred", Field::Rate, &kEnglish, -100.0, u"########", kNotValid},
        FloatCase{"rate_largest", Field::Rate, &kEnglish, 999.9999, u"999.9999", {999.9999, 0}},
        FloatCase{"rate_rounds_to_thousand", Field::Rate, &kEnglish, 999.99995, u"########", kNotValid},
        FloatCase{"amount_largest", Field::Amount, &kEnglish, 999999999.99, u"999,999,999.99", {999999999.99, 0}},
        FloatCase{"amount_rounds_to_ten_digits", Field::Amount, &kEnglish, 999999999.995, u"##############", kNotValid},
        FloatCase{"amount_negative_nine_digits", Field::Amount, &kEnglish, -100000000.0, u"##############", kNotValid},
        FloatCase{"amount_most_negative", Field::Amount, &kEnglish, -99999999.99, u"-99,999,999.99", {-99999999.99, 0}},
        FloatCase{"amount_infinite", Field::Amount, &kEnglish, std::numeric_limits<long double>::infinity(), u"##############", kNotValid},
        FloatCase{"amount_nan", Field::Amount, &kEnglish, std::numeric_limits<long double>::quiet_NaN(), u"##############", kNotValid},
        FloatCase{"amount_largest_double", Field::Amount, &kEnglish, std::numeric_limits<double>::max(), u"##############", kNotValid}),
    [](const testing::TestParamInfo<FloatCase>& info) { return info.param.name; });
// clang-format on

struct ReadCase {
    const char* name;
    const TIntlSupport* intl;
    std::u16string displayText;
    Conversion expected;
};

class AmountReadBack : public testing::TestWithParam<ReadCase> {};

TEST_P(AmountReadBack, StripsConvertsAndChecks) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(amountField(*c.intl).valueOf(c.displayText), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AmountReadBack,
    testing::Values(ReadCase{"typed_without_decimals", &kEnglish, u"         1,234", {1234.0L, 0}},
                    ReadCase{"typed_trailing_point", &kEnglish, u"        1,234.", {1234.0L, 0}},
                    ReadCase{"typed_excess_decimals", &kEnglish, u"         0.005", {0.005, 0}},
                    ReadCase{"german_trailing_comma", &kGerman, u"        1.234,", {1234.0L, 0}},
                    ReadCase{"letter", &kEnglish, u"        12a.00", {0.0L, ErrInvalid}},
                    ReadCase{"beyond_double", &kEnglish, u"1E400", {0.0L, ErrRange}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

struct CountCase {
    const char* name;
    std::u16string displayText;
    Conversion expected;
};

class CountReadBack : public testing::TestWithParam<CountCase> {};

TEST_P(CountReadBack, ChecksTheIntegerRange) {
    const CountCase& c = GetParam();
    EXPECT_EQ(countField(kEnglish).valueOf(c.displayText), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, CountReadBack, testing::Values(
    CountCase{"count", u"   360", {360.0L, 0}},
    CountCase{"zero", u"     0", {0.0L, 0}},
    CountCase{"entry_minus_zero", u"    -0", {0.0L, 0}},
    CountCase{"above_range", u" 40000", {0.0L, ErrRange}},
    CountCase{"below_range", u"-40000", {0.0L, ErrRange}},
    CountCase{"letter", u"   3a0", {0.0L, ErrInvalid}},
    CountCase{"point", u"  12.5", {0.0L, ErrInvalid}}),
    [](const testing::TestParamInfo<CountCase>& info) { return info.param.name; });
// clang-format on

TEST(CountField, ShowsEveryValueOfItsRange) {
    const NumericText count = countField(kEnglish);
    EXPECT_EQ(count.displayTextOfInteger(360), u"   360");
    EXPECT_EQ(count.displayTextOfInteger(0), u"     0");
    EXPECT_EQ(count.displayTextOfInteger(-32768), u"-32768");
}

TEST(NumericText, DefaultsFollowTheDataType) {
    const NumericText word(kEnglish, TNumericDataType::nftWord);
    EXPECT_EQ(word.mask().text(), u"99999");
    EXPECT_EQ(word.valueOf(u"65536"), (Conversion{0.0L, ErrRange}));
    const NumericText hex(kEnglish, TNumericDataType::nftLongInt, PictureMask(u"KKKKKKKK"),
                          defaultRangeLo(TNumericDataType::nftLongInt),
                          defaultRangeHi(TNumericDataType::nftLongInt));
    EXPECT_EQ(hex.displayTextOfInteger(-2), u"FFFFFFFE");
    EXPECT_EQ(hex.valueOf(u"FFFFFFFE"), (Conversion{-2.0L, 0}));
}

} // namespace
} // namespace paysmith
