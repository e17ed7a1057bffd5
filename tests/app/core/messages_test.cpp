#include "app/core/messages.h"

#include <gtest/gtest.h>

namespace paysmith {
namespace {

TEST(Messages, CalculationMessageBreaksLinesWithLineFeedThenCarriageReturn) {
    EXPECT_EQ(calculationErrorMessage(), "Valid results cannot be calculated using\n\r"
                                         "the variables you have entered.\n\r\n\r"
                                         "Please try again with reasonable values.");
}

TEST(Messages, GeneralMessageNamesTheMakerAndSupportAddress) {
    EXPECT_EQ(generalErrorMessage(),
              "An error has occurred.\r\n\r\nIf you wish, you may contact Harrowfield Software"
              "    \r\n\r\nat:  support@hfsoft.example");
}

struct BreakCase {
    const char* name;
    std::string text;
    std::string plain;
};

class PlainLineBreaks : public testing::TestWithParam<BreakCase> {};

TEST_P(PlainLineBreaks, EachBreakBecomesOneLineFeed) {
    EXPECT_EQ(withPlainLineBreaks(GetParam().text), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, PlainLineBreaks,
    testing::Values(BreakCase{"lf_cr_pairs", "a\n\rb\n\r\n\rc", "a\nb\n\nc"},
                    BreakCase{"cr_lf_pairs", "a\r\n\r\nb", "a\n\nb"},
                    BreakCase{"lone_breaks", "a\nb\rc", "a\nb\nc"},
                    BreakCase{"doubled_same_break", "a\n\nb\r\rc", "a\n\nb\n\nc"},
                    BreakCase{"trailing_break", "a\r", "a\n"},
                    BreakCase{"no_break", "plain text", "plain text"}),
    [](const testing::TestParamInfo<BreakCase>& info) { return info.param.name; });

TEST(Messages, CalculationMessageRendersAsTwoLinesEmptyLineAndThird) {
    EXPECT_EQ(withPlainLineBreaks(calculationErrorMessage()),
              "Valid results cannot be calculated using\nthe variables you have entered.\n\n"
              "Please try again with reasonable values.");
}

} // namespace
} // namespace paysmith
