#include "numfield/model/validationmessage.h"

#include <gtest/gtest.h>

namespace paysmith {
namespace {

struct LimitsCase {
    const char* name;
    long double low;
    long double high;
    int decimalPlaces;
    const char16_t* decimalMark;
    const char16_t* groupMark;
    const char16_t* text;
};

// clang-format off
const LimitsCase kCases[] = {
    {"count",                 -32768, 32767,   0, u".", u",",      u"from \u221232,768 to 32,767"},
    {"count_grouped_by_dots", -32768, 32767,   0, u",", u".",      u"from \u221232.768 to 32.767"},
    {"amount_with_decimals",  0,      1234567, 2, u",", u"\u00A0", u"from 0,00 to 1\u00A0234\u00A0567,00"},
    {"short_integer_part",    -5.5,   999,     1, u".", u",",      u"from \u22125.5 to 999.0"},
    {"too_large_to_write",    -1e300, 1e300,   2, u".", u",",      u""},
};
// clang-format on

TEST(RangeLimitsText, NamesBothLimitsAsTheFieldWritesNumbers) {
    for (const LimitsCase& c : kCases) {
        const TIntlSupport intl(IntlSettings{c.decimalMark, c.groupMark, u"$", 2, 0});
        EXPECT_EQ(rangeLimitsText(c.low, c.high, c.decimalPlaces, intl), c.text) << c.name;
    }
}

} // namespace
} // namespace paysmith
