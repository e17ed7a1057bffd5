#include "compare/core/comparecsv.h"
#include "schedule/core/schedulecsv.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace paysmith {
namespace {

constexpr std::int32_t kMonthly = 6;
constexpr std::int32_t kQuarterly = 7;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(Comparison, MethodFollowsTheRegion) {
    for (const char* code : {"DE", "FR", "IE", "NO", "IS", "LI"})
        EXPECT_EQ(aprMethodOfTerritory(code), AprMethod::EU) << code;
    for (const char* code : {"US", "GB", "CH", "CA", "", "de"})
        EXPECT_EQ(aprMethodOfTerritory(code), AprMethod::US) << code;
    for (const AprMethod method : {AprMethod::US, AprMethod::EU})
        EXPECT_EQ(aprMethodOfKey(aprMethodKey(method)), method);
    EXPECT_FALSE(aprMethodOfKey("eu"));
}

// The span follows the longer term until chosen; the CSV's yearly costs are
// the costs if kept that many years, and its lines name every figure.
TEST(Comparison, CsvGivesTheFiguresAndTheYearlyCosts) {
    const Offer monthly{{150000, 6.75, 36, kMonthly}, 500, 1};
    const Offer quarterly{{150000, 5.75, 20, kQuarterly}};
    ComparisonInputs inputs;
    EXPECT_EQ(keepYearsOf(inputs, monthly, quarterly), 5.0);
    inputs.keepYears = 2.5;
    EXPECT_EQ(keepYearsOf(inputs, monthly, quarterly), 2.5);

    const Comparison comparison = compareOffers(monthly, quarterly, 2.5);
    const std::vector<std::string> lines = linesOf(comparisonCsv(monthly, quarterly, comparison));
    ASSERT_EQ(lines.size(), 17u + 1 + 1 + 6);
    EXPECT_EQ(lines[0], "Item,Loan 1,Loan 2");
    EXPECT_EQ(lines[1], "Fees,500.00,0.00");
    EXPECT_EQ(lines[3], "Fees and points,2000.00,0.00");
    EXPECT_EQ(lines[6], "Years kept,2.50,2.50");
    EXPECT_EQ(lines[7], "Periods kept,30,10");
    EXPECT_EQ(lines[8].rfind("Cost of borrowing if kept," +
                                 centsText(comparison.offers[0].kept->costCents) + ',',
                             0),
              0u);
    EXPECT_EQ(lines[18], "Years,Cost of borrowing so far Loan 1,Cost of borrowing so far Loan 2");
    for (std::int32_t year = 0; year <= 5; ++year) {
        const auto cost = [&](const Offer& offer) {
            return centsText(costIfKept(costPathOf(offer), year)->costCents);
        };
        EXPECT_EQ(lines[19 + static_cast<std::size_t>(year)],
                  std::to_string(year) + ',' + cost(monthly) + ',' + cost(quarterly));
    }
}

} // namespace
} // namespace paysmith
