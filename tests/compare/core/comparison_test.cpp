#include "base/text/csvreader.h"
#include "compare/core/comparecsv.h"
#include "schedule/core/schedulecsv.h"

#include <gtest/gtest.h>

#include <vector>

namespace paysmith {
namespace {

constexpr std::int32_t kMonthly = 6;
constexpr std::int32_t kQuarterly = 7;

using Cells = std::vector<std::string>;

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
    const std::string csv = comparisonCsv(monthly, quarterly, comparison);
    const std::optional<test::CsvRows> rows = test::readCsv(csv);
    ASSERT_TRUE(rows) << csv;
    ASSERT_EQ(rows->size(), 17u + 1 + 1 + 6) << csv;
    for (const Cells& row : *rows)
        EXPECT_EQ(row.size(), row == Cells{""} ? 1u : 3u) << row.front();
    EXPECT_EQ(rows->at(0), (Cells{"Item", "Loan 1", "Loan 2"}));
    EXPECT_EQ(rows->at(1), (Cells{"Fees", "500.00", "0.00"}));
    EXPECT_EQ(rows->at(3), (Cells{"Fees and points", "2000.00", "0.00"}));
    const auto apr = [&](std::size_t k) {
        return roundedText(comparison.offers[k].rates->aprPercent, 6);
    };
    EXPECT_EQ(rows->at(4), (Cells{"APR, United States (%)", apr(0), apr(1)}));
    EXPECT_EQ(rows->at(6), (Cells{"Years kept", "2.50", "2.50"}));
    EXPECT_EQ(rows->at(7), (Cells{"Periods kept", "30", "10"}));
    EXPECT_EQ(rows->at(8).at(1), centsText(comparison.offers[0].kept->costCents));
    EXPECT_EQ(rows->at(16),
              (Cells{"Costs cross after (years)", "2.75", "Loan 1 costs less from then on"}));
    EXPECT_EQ(rows->at(18), (Cells{"Years", "Cost of borrowing so far Loan 1",
                                   "Cost of borrowing so far Loan 2"}));
    for (std::int32_t year = 0; year <= 5; ++year) {
        const auto cost = [&](const Offer& offer) {
            return centsText(costIfKept(costPathOf(offer), year)->costCents);
        };
        EXPECT_EQ(rows->at(19 + static_cast<std::size_t>(year)),
                  (Cells{std::to_string(year), cost(monthly), cost(quarterly)}));
    }
}

// Kept 1, 5 or 10 years, 15 years at 7 % or 30 at 6 % with 1.2 points:
// the line names the offer cheaper then and what follows.
TEST(Comparison, KeptLeadNamesTheCheaperOfferThenAndTheLaterCrossings) {
    const Offer fifteen{{200000, 7, 180, kMonthly}};
    const Offer thirty{{200000, 6, 360, kMonthly}, 0, 1.2};
    const Crossing toThirty{17.0 / 12, WhichLoan::Loan2};
    const Crossing toFifteen{88.0 / 12, WhichLoan::Loan1};
    const struct {
        double years;
        WhichLoan cheaper;
        std::vector<Crossing> later;
    } cases[] = {{1, WhichLoan::Loan1, {toThirty, toFifteen}},
                 {5, WhichLoan::Loan2, {toFifteen}},
                 {10, WhichLoan::Loan1, {}}};
    for (const auto& c : cases) {
        const std::optional<KeptLead> lead = keptLeadOf(compareOffers(fifteen, thirty, c.years));
        ASSERT_TRUE(lead);
        EXPECT_EQ(lead->cheaper, c.cheaper) << c.years;
        EXPECT_EQ(lead->later, c.later) << c.years;
    }
    EXPECT_FALSE(keptLeadOf(compareOffers(fifteen, {{200000, 6, 0, kMonthly}}, 5)));
}

} // namespace
} // namespace paysmith
