#include "compare/core/costseries.h"
#include "compare/core/crossover.h"

#include <gtest/gtest.h>

namespace paysmith {
namespace {

constexpr std::int32_t kBiweekly = 4;
constexpr std::int32_t kMonthly = 6;

struct CrossoverCase {
    const char* name;
    Offer loan1;
    Offer loan2;
    std::optional<Crossover> expected;
};

class Crossing : public testing::TestWithParam<CrossoverCase> {};

TEST_P(Crossing, FindsWhenTheCheaperStartStopsBeingCheaper) {
    const CrossoverCase& c = GetParam();
    const std::optional<Crossover> found = crossoverOf(c.loan1, c.loan2);
    ASSERT_EQ(found.has_value(), c.expected.has_value());
    if (!found)
        return;
    EXPECT_EQ(found->cheaperAtStart, c.expected->cheaperAtStart);
    EXPECT_EQ(found->years, c.expected->years);
    EXPECT_EQ(found->cheaperAfter(), c.expected->cheaperAfter());
}

using W = WhichLoan;
const Offer kLowerRateWithPoints{{200000, 6, 360, kMonthly}, 0, 2};
const Offer kHigherRate{{200000, 6.5, 360, kMonthly}};

// The years were worked out apart, with the lender's cents in exact integers.
INSTANTIATE_TEST_SUITE_P(
    Table, Crossing,
    testing::Values(
        CrossoverCase{"PointsForALowerRate", kLowerRateWithPoints, kHigherRate, {{W::Loan2, 4.0}}},
        CrossoverCase{"TheOtherWayRound", kHigherRate, kLowerRateWithPoints, {{W::Loan1, 4.0}}},
        CrossoverCase{"AgainstBiweekly",
                      kLowerRateWithPoints,
                      {{200000, 6.5, 780, kBiweekly}},
                      {{W::Loan2, 93.0 / 26}}},
        CrossoverCase{"ShorterTermEarnsItsFeesBack",
                      {{200000, 6, 180, kMonthly}, 3000},
                      {{200000, 6, 360, kMonthly}},
                      {{W::Loan2, 49.0 / 12}}},
        CrossoverCase{"CheaperEveryWay",
                      {{200000, 5, 360, kMonthly}},
                      {{200000, 6, 360, kMonthly}, 1000},
                      {{W::Loan1}}},
        CrossoverCase{"EqualFeesLowerRateLeads",
                      {{200000, 6, 360, kMonthly}, 1000},
                      {{200000, 5, 360, kMonthly}, 1000},
                      {{W::Loan2}}},
        CrossoverCase{"EqualOffersNeverCross", kHigherRate, kHigherRate, {{W::Loan1}}},
        CrossoverCase{"NoSchedule", kHigherRate, {{200000, 6, 0, kMonthly}}, std::nullopt}),
    [](const testing::TestParamInfo<CrossoverCase>& info) { return info.param.name; });

TEST(CostSoFarSeries, StartsAtClosingEndsAtTheTotalAndStaysSmall) {
    struct {
        Offer offer;
        std::size_t points;
    } const cases[] = {{kLowerRateWithPoints, 361}, {{{200000, 6, 10950, 1}, 3000}, 578}};
    for (const auto& c : cases) {
        const std::vector<CostPoint> series = costSoFarSeries(c.offer);
        const LenderSchedule s = lenderSchedule(c.offer.loan);
        ASSERT_EQ(series.size(), c.points);
        EXPECT_EQ(series.front().cents, *closingCents(c.offer));
        EXPECT_EQ(series.back().years, static_cast<double>(s.rows.size()) / s.periodsPerYear);
        EXPECT_EQ(series.back().cents, series.front().cents + s.totals.interest);
    }
    EXPECT_TRUE(costSoFarSeries({{200000, 6, 0, kMonthly}}).empty());
}

} // namespace
} // namespace paysmith
