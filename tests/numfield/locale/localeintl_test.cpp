#include "numfield/locale/localeintl.h"

#include <gtest/gtest.h>

#include <string>

namespace paysmith {
namespace {

struct LocaleCase {
    const char* name;
    const char* locale;
    IntlSettings expected;
};

class IntlSettingsOfLocale : public testing::TestWithParam<LocaleCase> {};

TEST_P(IntlSettingsOfLocale, ReadsMarksAndCurrency) {
    const LocaleCase& c = GetParam();
    const IntlSettings settings = intlSettingsOf(QLocale(QString::fromLatin1(c.locale)));
    EXPECT_EQ(settings.decimalMark, c.expected.decimalMark);
    EXPECT_EQ(settings.groupMark, c.expected.groupMark);
    EXPECT_EQ(settings.currencyText, c.expected.currencyText);
    EXPECT_EQ(settings.currencyPlaces, c.expected.currencyPlaces);
    EXPECT_EQ(settings.currencyPosition, c.expected.currencyPosition);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, IntlSettingsOfLocale,
    testing::Values(LocaleCase{"united_states", "en_US", {u".", u",", u"$", 2, 0}},
                    LocaleCase{"germany", "de_DE", {u",", u".", u"€", 2, 3}},
                    LocaleCase{"france_narrow_space", "fr_FR", {u",", u"\u202F", u"€", 2, 3}},
                    LocaleCase{"switzerland_apostrophe", "de_CH", {u".", u"\u2019", u"CHF", 2, 3}},
                    LocaleCase{"norway_prefix_and_blank", "nb_NO", {u",", u"\u00A0", u"kr", 2, 2}},
                    LocaleCase{"japan_no_decimals", "ja_JP", {u".", u",", u"￥", 0, 0}}),
    [](const testing::TestParamInfo<LocaleCase>& info) { return info.param.name; });

} // namespace
} // namespace paysmith
