#include "numfield/model/entrystring.h"

#include <gtest/gtest.h>

#include <string>

namespace paysmith {
namespace {

// The limits of the program's three masks, as a paste meets them; keys may
// bring no more decimals than the mask has.
constexpr EntryLimits kAmount{12, 9, true, std::nullopt}; // "###,###,###.##"
constexpr EntryLimits kRate{8, 3, true, std::nullopt};    // "###.####"
constexpr EntryLimits kAmountKeys{12, 9, true, 2};
constexpr EntryLimits kRateKeys{8, 3, true, 4};
constexpr EntryLimits kCount{6, 6, false, std::nullopt}; // "iiiiii"
constexpr EntryLimits kOneDigit{1, 1, false, std::nullopt};

struct TypingCase {
    const char* name;
    EntryLimits limits;
    std::u16string typed;
    std::u16string text;
    Sign sign;
    int refused;
};

class Typing : public testing::TestWithParam<TypingCase> {};

TEST_P(Typing, BuildsTheEntryLikeACalculator) {
    const TypingCase& c = GetParam();
    EntryString entry;
    int refused = 0;
    for (char16_t ch : c.typed)
        refused += entry.offer(ch, c.limits) == KeyOutcome::Refused ? 1 : 0;
    EXPECT_TRUE(entry.text() == c.text);
    EXPECT_EQ(entry.sign(), c.sign);
    EXPECT_EQ(refused, c.refused);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keystrokes, Typing, testing::Values(
    TypingCase{"leading_zero_swallowed", kAmount, u"007", u"7", Sign::Positive, 0},
    TypingCase{"zero_after_point_kept", kAmount, u".05", u".05", Sign::Positive, 0},
    TypingCase{"minus_refused_with_nine_integer_digits", kAmount, u"123456789-", u"123456789", Sign::Positive, 1},
    TypingCase{"decimals_beyond_mask_until_width", kAmount, u"1.2345678901", u"1.2345678901", Sign::Positive, 0},
    TypingCase{"width_ends_the_decimals", kAmount, u"1.23456789012", u"1.2345678901", Sign::Positive, 1},
    TypingCase{"sign_counts_towards_width", kAmount, u"-1.23456789012", u"1.234567890", Sign::Negative, 2},
    TypingCase{"keys_stop_at_the_masks_decimals", kAmountKeys, u"0.001800", u".00", Sign::Positive, 4},
    TypingCase{"keys_stop_at_the_rates_decimals", kRateKeys, u"-.123456", u".1234", Sign::Negative, 2},
    TypingCase{"minus_anywhere_in_the_entry", kAmount, u"12-3", u"123", Sign::Negative, 0},
    TypingCase{"blank_refused", kAmount, u"1 2", u"12", Sign::Positive, 1},
    TypingCase{"rate_fourth_integer_digit_refused", kRate, u"1234", u"123", Sign::Positive, 1},
    TypingCase{"rate_minus_before_three_digits_refused", kRate, u"123-", u"123", Sign::Positive, 1},
    TypingCase{"count_six_digits", kCount, u"1234567", u"123456", Sign::Positive, 1},
    TypingCase{"count_sign_takes_a_place", kCount, u"-123456", u"12345", Sign::Negative, 1},
    TypingCase{"one_digit_field_replaces", kOneDigit, u"579", u"9", Sign::Positive, 0},
    TypingCase{"one_digit_field_no_point", kOneDigit, u"5.", u"5", Sign::Positive, 1}),
    [](const testing::TestParamInfo<TypingCase>& info) { return info.param.name; });
// clang-format on

struct RemovalCase {
    const char* name;
    std::u16string loaded;
    int removals;
    std::u16string text;
    Sign sign;
    bool lastRemoved;
};

class Removal : public testing::TestWithParam<RemovalCase> {};

TEST_P(Removal, TakesOffTheLastCharacter) {
    const RemovalCase& c = GetParam();
    EntryString entry;
    entry.load(c.loaded);
    bool removed = false;
    for (int i = 0; i < c.removals; ++i)
        removed = entry.removeLast();
    EXPECT_TRUE(entry.text() == c.text);
    EXPECT_EQ(entry.sign(), c.sign);
    EXPECT_EQ(removed, c.lastRemoved);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Backspace, Removal, testing::Values(
    RemovalCase{"lone_zero_goes", u"0.00", 3, u"", Sign::Positive, true},
    RemovalCase{"sign_after_digits", u"-5", 2, u"", Sign::Positive, true},
    RemovalCase{"nothing_left", u"7", 2, u"", Sign::Positive, false},
    RemovalCase{"empty_does_nothing", u"", 1, u"", Sign::Positive, false}),
    [](const testing::TestParamInfo<RemovalCase>& info) { return info.param.name; });
// clang-format on

struct LoadCase {
    const char* name;
    std::u16string stripped;
    std::u16string text;
    Sign sign;
};

class Reload : public testing::TestWithParam<LoadCase> {};

TEST_P(Reload, ReadsTheStrippedDisplay) {
    const LoadCase& c = GetParam();
    EntryString entry;
    entry.offer(u'-', kAmount);
    entry.load(c.stripped);
    EXPECT_TRUE(entry.text() == c.text);
    EXPECT_EQ(entry.sign(), c.sign);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Display, Reload, testing::Values(
    LoadCase{"blanks_dropped", u"      1234.50", u"1234.50", Sign::Positive},
    LoadCase{"minus_is_the_sign", u"  -234.00", u"234.00", Sign::Negative},
    LoadCase{"lone_zero_is_empty", u"     0", u"", Sign::Positive},
    LoadCase{"minus_zero_keeps_sign", u"    -0", u"", Sign::Negative},
    LoadCase{"zero_with_decimals_stays", u"0.00", u"0.00", Sign::Positive},
    LoadCase{"bare_point_kept", u"-.123456", u".123456", Sign::Negative}),
    [](const testing::TestParamInfo<LoadCase>& info) { return info.param.name; });
// clang-format on

} // namespace
} // namespace paysmith
