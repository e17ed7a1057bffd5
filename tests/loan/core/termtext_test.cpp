#include "loan/core/termtext.h"

#include <gtest/gtest.h>

#include <string>

namespace paysmith {
namespace {

struct TermCase {
    const char* name;
    std::int32_t payments;
    std::int32_t periodsPerYear;
    char16_t separator;
    std::u16string expected;
};

class TermText : public testing::TestWithParam<TermCase> {};

TEST_P(TermText, DescribesTheTermInYears) {
    const TermCase& c = GetParam();
    EXPECT_EQ(termText(c.payments, c.periodsPerYear, c.separator), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, TermText, testing::Values(
    TermCase{"thirty_years", 360, 12, u'.', u"30.00 years."},
    TermCase{"one_year", 12, 12, u'.', u"1.00 year."},
    TermCase{"thirteen_months", 13, 12, u'.', u"1.08 years."},
    TermCase{"half_year", 6, 12, u'.', u"0.50 years."},
    TermCase{"zero", 0, 12, u'.', u"0.00 years."},
    TermCase{"negative_year", -12, 12, u'.', u"-1.00 years."},
    TermCase{"rounded_text_decides", 364, 365, u'.', u"1.00 year."},
    TermCase{"nine_days", 9, 360, u'.', u"0.03 years."},
    TermCase{"exact_half_rounds_up", 27, 360, u'.', u"0.08 years."},
    TermCase{"exact_eighth_rounds_up", 45, 360, u'.', u"0.13 years."},
    TermCase{"negative_half_away_from_zero", -27, 360, u'.', u"-0.08 years."},
    TermCase{"negative_rounding_to_zero", -1, 365, u'.', u"0.00 years."},
    TermCase{"constant", 360, 24, u'.', u"15.00 years."},
    TermCase{"largest_count", 32767, 1, u'.', u"32767.00 years."},
    TermCase{"comma_thirty", 360, 12, u',', u"30,00 years."},
    TermCase{"comma_one", 12, 12, u',', u"1,00 year."},
    TermCase{"other_separator_always_plural", 12, 12, u'\u066B', u"1\u066B00 years."}),
    [](const testing::TestParamInfo<TermCase>& info) { return info.param.name; });
// clang-format on

TEST(TermText, ExtremeCountsDoNotOverflow) {
    EXPECT_EQ(termText(INT32_MIN, 1, u'.'), u"-2147483648.00 years.");
    EXPECT_EQ(termText(INT32_MAX, 365, u'.'), u"5883516.84 years.");
}

} // namespace
} // namespace paysmith
