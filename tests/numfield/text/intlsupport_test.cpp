#include "numfield/text/intlsupport.h"

#include <gtest/gtest.h>

#include <string>

namespace paysmith {
namespace {

struct IntlCase {
    const char* name;
    IntlSettings settings;
    char16_t decimalMark;
    char16_t groupMark;
    std::u16string prefix;
    std::u16string suffix;
};

class IntlRules : public testing::TestWithParam<IntlCase> {};

TEST_P(IntlRules, DeriveTheMarksAndCurrency) {
    const IntlCase& c = GetParam();
    const TIntlSupport intl(c.settings);
    EXPECT_EQ(intl.DecimalMark(), c.decimalMark);
    EXPECT_EQ(intl.GroupMark(), c.groupMark);
    EXPECT_EQ(intl.CurrencyPrefix(), c.prefix);
    EXPECT_EQ(intl.CurrencySuffix(), c.suffix);
    EXPECT_EQ(intl.CurrencyPlaces(), c.settings.currencyPlaces);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Settings, IntlRules, testing::Values(
    IntlCase{"defaults", {}, u'.', u',', u"$", u"$"},
    IntlCase{"german", {u",", u".", u"€", 2, 3}, u',', u'.', u"€", u" €"},
    IntlCase{"narrow_no_break_space", {u",", u"\u202F", u"€", 2, 3}, u',', u'\u202F', u"€", u" €"},
    IntlCase{"swiss_apostrophe", {u".", u"\u2019", u"CHF", 2, 2}, u'.', u'\u2019', u"CHF ", u"CHF"},
    IntlCase{"first_character_only", {u"::", u";;", u"$", 2, 0}, u':', u';', u"$", u"$"},
    IntlCase{"empty_marks_take_defaults", {u"", u"", u"$", 2, 0}, u'.', u',', u"$", u"$"},
    IntlCase{"equal_marks_fall_back", {u",", u",", u"$", 2, 0}, u'.', u',', u"$", u"$"},
    IntlCase{"empty_group_equal_to_comma_decimal", {u",", u"", u"$", 2, 0}, u'.', u',', u"$", u"$"},
    IntlCase{"currency_cut_to_five", {u".", u",", u"ABCDEFG", 0, 1}, u'.', u',', u"ABCDE", u"ABCDE"},
    IntlCase{"currency_not_split_in_a_pair", {u".", u",", u"ABCD\U0001F4B0", 2, 0}, u'.', u',', u"ABCD", u"ABCD"},
    IntlCase{"half_pair_is_no_mark", {u"\xD83D", u",", u"$", 2, 0}, u'.', u',', u"$", u"$"}),
    [](const testing::TestParamInfo<IntlCase>& info) { return info.param.name; });
// clang-format on

} // namespace
} // namespace paysmith
