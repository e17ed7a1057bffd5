#include "base/text/chartdescription.h"

#include "base/text/utf8.h"

#include <gtest/gtest.h>

namespace paysmith {
namespace {

struct DescriptionCase {
    std::vector<ChartLine> lines;
    char16_t decimalMark;
    char16_t groupMark;
    const char* said;
};

class Description : public testing::TestWithParam<DescriptionCase> {};

TEST_P(Description, SaysWhereEachLineStartsAndEnds) {
    const DescriptionCase& c = GetParam();
    EXPECT_EQ(utf8FromUtf16(describeChart(c.lines, {}, c.decimalMark, c.groupMark)), c.said);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Charts, Description, testing::Values(
    DescriptionCase{{{u"Loan 1", {{0, 150000}, {10, 120000.4}, {30, 0}}}, {u"Loan 2", {{0, 150000}, {20, 0}}}}, u'.', u',',
                    "Loan 1 from 150,000 to 0 in 30 years; Loan 2 from 150,000 to 0 in 20 years"},
    DescriptionCase{{{u"A", {{0, 1234567.5}, {7.5, 999.49}}}}, u'.', u',', "A from 1,234,568 to 999 in 7.5 years"},
    DescriptionCase{{{u"A", {{0, 150000}, {1.0 / 12, 0}}}}, u',', u'.', "A from 150.000 to 0 in 0,08 years"},
    DescriptionCase{{{u"A", {{0, -1500}, {1, 0}}}}, u'.', u',', "A from -1,500 to 0 in 1 year"},
    DescriptionCase{{{u"%2", {}}, {u"B", {{1, 5}, {3, 0}}}}, u'.', u',', "%2: nothing to draw; B from 5 to 0 in 2 years"},
    DescriptionCase{{}, u'.', u',', ""}));
// clang-format on

TEST(Description, TakesItsWordsFromTheWording) {
    const ChartWording german{
        u"%1 von %2 auf %3 in %4", u"%1 Jahren", u"%1 Jahr", u"%1: keine", u" – ", u"%1 bei %2"};
    EXPECT_EQ(utf8FromUtf16(describeChart({{u"K1", {{0, 10}, {3, 0}}}, {u"K2", {}}}, german, u',',
                                          u'.', {{u"gehalten", 1}, {u"K2 billiger", 12.5}})),
              "K1 von 10 auf 0 in 3 Jahren – K2: keine – gehalten bei 1 Jahr – K2 billiger bei "
              "12,5 Jahren");
}

} // namespace
} // namespace paysmith
