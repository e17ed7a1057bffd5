#include "numfield/text/masklayout.h"

#include "conventions.h"

#include <gtest/gtest.h>

#include <string>

namespace paysmith {
namespace {

using namespace testing_conventions;

struct MergeCase {
    const char* name;
    std::u16string mask;
    const TIntlSupport* intl;
    std::u16string numberText;
    std::optional<std::u16string> displayText;
};

class Merge : public testing::TestWithParam<MergeCase> {};

TEST_P(Merge, LaysTheNumberIntoTheMask) {
    const MergeCase& c = GetParam();
    const MaskLayout layout(PictureMask(c.mask), *c.intl);
    EXPECT_EQ(layout.merge(c.numberText), c.displayText);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Numbers, Merge, testing::Values(
    MergeCase{"amount_zero", u"###,###,###.##", &kEnglish, u"0.00", u"          0.00"},
    MergeCase{"amount_grouped", u"###,###,###.##", &kEnglish, u"1234.50", u"      1,234.50"},
    MergeCase{"amount_no_group_below_thousand", u"###,###,###.##", &kEnglish, u"999.00", u"        999.00"},
    MergeCase{"amount_thousand", u"###,###,###.##", &kEnglish, u"1000.00", u"      1,000.00"},
    MergeCase{"amount_full", u"###,###,###.##", &kEnglish, u"123456789.00", u"123,456,789.00"},
    MergeCase{"amount_sign_in_group_position", u"###,###,###.##", &kEnglish, u"-234.00", u"       -234.00"},
    MergeCase{"amount_negative_millions", u"###,###,###.##", &kEnglish, u"-1234567.89", u" -1,234,567.89"},
    MergeCase{"amount_negative_widest", u"###,###,###.##", &kEnglish, u"-12345678.00", u"-12,345,678.00"},
    MergeCase{"amount_ten_digits_overflow", u"###,###,###.##", &kEnglish, u"1000000000.00", std::nullopt},
    MergeCase{"amount_sign_without_place_overflows", u"###,###,###.##", &kEnglish, u"-123456789.00", std::nullopt},
    MergeCase{"amount_leading_point_gets_zero", u"###,###,###.##", &kEnglish, u".5", u"          0.50"},
    MergeCase{"amount_entry_minus_zero", u"###,###,###.##", &kEnglish, u"-0", u"         -0.00"},
    MergeCase{"amount_extra_decimals_dropped", u"###,###,###.##", &kEnglish, u"1.239", u"          1.23"},
    MergeCase{"amount_german", u"###,###,###.##", &kGerman, u"1234.50", u"      1.234,50"},
    MergeCase{"amount_norwegian", u"###,###,###.##", &kNorwegian, u"1234567.50", u"  1\u00A0234\u00A0567,50"},
    MergeCase{"amount_french", u"###,###,###.##", &kFrench, u"-1234.50", u"     -1\u202F234,50"},
    MergeCase{"amount_swiss", u"###,###,###.##", &kSwiss, u"1234.50", u"      1\u2019234.50"},
    MergeCase{"rate", u"###.####", &kEnglish, u"6.7500", u"  6.7500"},
    MergeCase{"rate_zero", u"###.####", &kEnglish, u"0.0000", u"  0.0000"},
    MergeCase{"rate_most_negative", u"###.####", &kEnglish, u"-99.9999", u"-99.9999"},
    MergeCase{"rate_minus_hundred_needs_a_fourth_position", u"###.####", &kEnglish, u"-100.0000", std::nullopt},
    MergeCase{"rate_four_digits_overflow", u"###.####", &kEnglish, u"1000.0000", std::nullopt},
    MergeCase{"count", u"iiiiii", &kEnglish, u"360", u"   360"},
    MergeCase{"count_zero", u"iiiiii", &kEnglish, u"0", u"     0"},
    MergeCase{"count_negative", u"iiiiii", &kEnglish, u"-32768", u"-32768"},
    MergeCase{"count_negative_six_digits_overflow", u"iiiiii", &kEnglish, u"-100000", std::nullopt},
    MergeCase{"floating_currency_next_to_digits", u"$$$$###,###.##", &kEnglish, u"1234.50", u"     $1,234.50"},
    MergeCase{"floating_currency_sign_left_of_it", u"$$$$###,###.##", &kEnglish, u"-1234.50", u"    -$1,234.50"},
    MergeCase{"floating_currency_in_its_run", u"$$$$###,###.##", &kEnglish, u"-123456.78", u"  -$123,456.78"},
    MergeCase{"floating_currency_cut_to_run", u"$$###", &kSwiss, u"-12", u"-CH12"},
    MergeCase{"fixed_currency_left", u"cc###.##", &kEnglish, u"-12.50", u" $-12.50"},
    MergeCase{"fixed_currency_right", u"###.##CCC", &kGerman, u"12.50", u" 12,50 € "},
    MergeCase{"literal_kept", u"###/###", &kEnglish, u"-1234", u" -1/234"},
    MergeCase{"blank_after_decimals", u"#.## #", &kEnglish, u"1.5", u"1.50  "},
    MergeCase{"parentheses_take_no_position", u"###.##p", &kEnglish, u"-1.5", u" -1.50"}),
    [](const testing::TestParamInfo<MergeCase>& info) { return info.param.name; });
// clang-format on

struct DisplayCase {
    const char* name;
    std::u16string mask;
    std::u16string displayText;
    std::u16string shown;
};

class DisplayString : public testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayString, PlacesTheSignAndTrims) {
    const DisplayCase& c = GetParam();
    const MaskLayout layout(PictureMask(c.mask), kEnglish);
    EXPECT_EQ(layout.displayString(c.displayText), c.shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, DisplayString, testing::Values(
    DisplayCase{"plain_trimmed", u"###,###,###.##", u"      1,234.50", u"1,234.50"},
    DisplayCase{"plain_negative", u"###.####", u"-99.9999", u"-99.9999"},
    DisplayCase{"parentheses_negative", u"###.##p", u"-12.50", u"(12.50)"},
    DisplayCase{"parentheses_positive", u"###.##p", u" 12.50", u"12.50"},
    DisplayCase{"sign_place_negative", u"###.##g", u"-12.50", u"12.50-"},
    DisplayCase{"sign_place_positive", u"###.##g", u" 12.50", u"12.50"},
    DisplayCase{"sign_place_before", u"g###.##", u" -1.50", u"-  1.50"},
    DisplayCase{"overflow", u"###.##p", u"######", u"######"}),
    [](const testing::TestParamInfo<DisplayCase>& info) { return info.param.name; });
// clang-format on

struct StripCase {
    const char* name;
    std::u16string mask;
    const TIntlSupport* intl;
    std::u16string displayText;
    std::u16string numberText;
};

class Strip : public testing::TestWithParam<StripCase> {};

TEST_P(Strip, LeavesTheNumberText) {
    const StripCase& c = GetParam();
    const MaskLayout layout(PictureMask(c.mask), *c.intl);
    EXPECT_EQ(layout.strip(c.displayText), c.numberText);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, Strip, testing::Values(
    StripCase{"english", u"###,###,###.##", &kEnglish, u"      1,234.50", u"      1234.50"},
    StripCase{"german_swapped_marks", u"###,###,###.##", &kGerman, u"      1.234,50", u"      1234.50"},
    StripCase{"no_break_space_groups", u"###,###,###.##", &kNorwegian, u"  1\u00A0234\u00A0567,50", u"  1234567.50"},
    StripCase{"only_first_decimal_mark", u"###.####", &kGerman, u"  1,2,34", u"  1.2,34"},
    StripCase{"floating_currency_removed", u"$$$$###,###.##", &kEnglish, u"    -$1,234.50", u"    -1234.50"},
    StripCase{"fixed_currency_dropped", u"cc###.##", &kEnglish, u" $-12.50", u"-12.50"},
    StripCase{"literal_dropped", u"###/###", &kEnglish, u" -1/234", u" -1234"},
    StripCase{"wrong_length_unchanged", u"###,###,###.##", &kEnglish, u"1,234.50", u"1,234.50"},
    StripCase{"overflow_unchanged", u"###,###,###.##", &kEnglish, u"##############", u"##############"}),
    [](const testing::TestParamInfo<StripCase>& info) { return info.param.name; });
// clang-format on

TEST(MaskLayout, OverflowTextFillsTheDisplayLength) {
    const MaskLayout layout(PictureMask(u"###.##pg"), kEnglish);
    EXPECT_EQ(layout.overflowText(), u"######");
    EXPECT_TRUE(layout.isOverflowText(u"######"));
    EXPECT_FALSE(layout.isOverflowText(u"#####"));
    EXPECT_FALSE(layout.isOverflowText(u"  1.00"));
}

} // namespace
} // namespace paysmith
