#include "compare/core/costseries.h"
#include "compare/core/crossover.h"
#include "compare/core/kept.h"

#include <gtest/gtest.h>

#include <cmath>

namespace paysmith {
namespace {

constexpr std::int32_t kBiweekly = 4;
constexpr std::int32_t kMonthly = 6;

Offer offer(double rate, std::int32_t payments, double fees = 0,
            std::int32_t frequency = kMonthly) {
    return {{200000, rate, payments, frequency}, fees};
}

const Offer kLowerRateWithPoints{{200000, 6, 360, kMonthly}, 0, 2};
const Offer kHigherRate = offer(6.5, 360);
const Offer kNoSchedule = offer(6, 0);

struct KeptCase {
    const char* name;
    Offer offer;
    double years;
    std::optional<std::int32_t> periods;
};

const KeptCase kKeptCases[] = {
    {"RoundsToTheNearestPeriod", kLowerRateWithPoints, 5.05, 61},
    {"Biweekly", offer(6, 780, 500, kBiweekly), 7.3, 190},
    {"NegativeYears", kLowerRateWithPoints, -2, 0},
    {"Forever", kLowerRateWithPoints, INFINITY, 360},
    {"YearsNotANumber", kLowerRateWithPoints, NAN, std::nullopt},
    {"NoSchedule", kNoSchedule, 5, std::nullopt},
    {"WithExtras", {{200000, 6, 360, kMonthly}, 0, 2, {20000, 3000000, 30}}, 5, 60},
};

class Kept : public testing::TestWithParam<KeptCase> {};

// The interest reached without the interest column: what was paid, less the
// part of it that repaid the amount.
TEST_P(Kept, CostsTheClosingAndThePaymentsBeyondThePrincipalRepaid) {
    const KeptCase& c = GetParam();
    const std::optional<KeptCost> kept = costIfKept(costPathOf(c.offer), c.years);
    ASSERT_EQ(kept.has_value(), c.periods.has_value());
    if (!kept)
        return;
    ASSERT_EQ(kept->periods, *c.periods);
    const LenderSchedule s = lenderSchedule(c.offer.loan, c.offer.extras);
    std::int64_t paid = 0;
    std::int64_t repaid = 0;
    for (std::size_t k = 0; k < static_cast<std::size_t>(*c.periods); ++k) {
        paid += s.rows[k].payment + s.rows[k].extra;
        repaid += s.rows[k].principal + s.rows[k].extra;
    }
    EXPECT_EQ(kept->balanceCents, s.totals.repaid() - repaid);
    EXPECT_EQ(kept->costCents, *closingCents(c.offer) + paid - repaid);
}

INSTANTIATE_TEST_SUITE_P(Table, Kept, testing::ValuesIn(kKeptCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct CrossoverCase {
    const char* name;
    Offer loan1;
    Offer loan2;
    std::optional<Crossover> expected;
};

using W = WhichLoan;

// The years were found apart, walking both loans' cents date by date: where
// the other offer first gets lower, and the last date the one before is.
const CrossoverCase kCrossoverCases[] = {
    {"PointsForALowerRate", kLowerRateWithPoints, kHigherRate, {{W::Loan2, {{4.0, W::Loan1}}}}},
    {"ShorterTerm", offer(6, 180, 3000), offer(6, 360), {{W::Loan2, {{49.0 / 12, W::Loan1}}}}},
    {"FifteenYearsAgainstThirty",
     offer(7, 180),
     {{200000, 6, 360, kMonthly}, 0, 1.2},
     {{W::Loan1, {{17.0 / 12, W::Loan2}, {88.0 / 12, W::Loan1}}}}},
    // Biweekly steps pass monthly ones for weeks at a time before their lead
    // lasts: here 13 times, the first at 93/26 years.
    {"BiweeklyFlipsBeforeItsLead",
     kLowerRateWithPoints,
     offer(6.5, 780, 0, kBiweekly),
     {{W::Loan2, {{105.0 / 26, W::Loan1}}}}},
    {"BiweeklyWithFees",
     offer(6, 360),
     offer(5.95, 780, 1000, kBiweekly),
     {{W::Loan1, {{193.0 / 12, W::Loan2}}}}},
    {"BiweeklyFlipsThatNeverLast", offer(6, 360), offer(6.05, 780, 0, kBiweekly), {{W::Loan1, {}}}},
    {"LastsToTheEndButNotAYear",
     offer(6, 360),
     offer(6, 780, 200, kBiweekly),
     {{W::Loan1, {{358.0 / 12, W::Loan2}}}}},
    {"CheaperEveryWay", offer(5, 360), offer(6, 360, 1000), {{W::Loan1, {}}}},
    {"EqualFeesLowerRateLeads", offer(6, 360, 9), offer(5, 360, 9), {{W::Loan2, {}}}},
    {"EqualOffers", kHigherRate, kHigherRate, {{W::Loan1, {}}}},
    {"ExtrasOnAnEqualOffer", kHigherRate, {kHigherRate.loan, 0, 0, {10000}}, {{W::Loan2, {}}}},
    {"NoSchedule", kHigherRate, kNoSchedule, std::nullopt},
};

class Crossing : public testing::TestWithParam<CrossoverCase> {};

TEST_P(Crossing, FindsEveryLastingChangeOfLead) {
    const CrossoverCase& c = GetParam();
    const std::optional<Crossover> found = crossoverOf(costPathOf(c.loan1), costPathOf(c.loan2));
    ASSERT_EQ(found.has_value(), c.expected.has_value());
    if (!found)
        return;
    EXPECT_EQ(found->cheaperAtStart, c.expected->cheaperAtStart);
    EXPECT_EQ(found->crossings, c.expected->crossings);
}

INSTANTIATE_TEST_SUITE_P(Table, Crossing, testing::ValuesIn(kCrossoverCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Thirty years of daily payments end early by a day, their last payment
// taking the cents left over.
TEST(CostSoFarSeries, StartsAtClosingEndsAtTheTotalAndStaysSmall) {
    const Offer daily{{200000, 6, 10950, 1}, 3000};
    const std::vector<CostPoint> series = costSoFarSeries(costPathOf(daily));
    ASSERT_EQ(series.size(), 578u);
    EXPECT_EQ(series.front().cents, 300000);
    EXPECT_EQ(series.back().years, 10949.0 / 365);
    EXPECT_EQ(series.back().cents, 300000 + lenderSchedule(daily.loan).totals.interest);
    EXPECT_TRUE(costSoFarSeries(costPathOf(kNoSchedule)).empty());
}

} // namespace
} // namespace paysmith
