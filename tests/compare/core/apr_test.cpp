#include "compare/core/apr.h"

#include <gtest/gtest.h>

#include <cmath>

namespace paysmith {
namespace {

struct AprCase {
    const char* name;
    Offer offer;
    std::int64_t paymentCents = 0; // as billed; 0 where there is no APR
    double aprPercent = 0.0;
    double aprcPercent = 0.0;
    double tolerance = 0.0;
};

class Apr : public testing::TestWithParam<AprCase> {};

TEST_P(Apr, DiscountsTheBilledPaymentsToTheAmountFinanced) {
    const AprCase& c = GetParam();
    const std::optional<AnnualRates> rates = annualRatesOf(c.offer);
    ASSERT_EQ(rates.has_value(), c.paymentCents != 0);
    if (!rates)
        return;
    EXPECT_EQ(levelPaymentsOf(c.offer)->paymentCents, c.paymentCents);
    EXPECT_NEAR(rates->aprPercent, c.aprPercent, c.tolerance);
    EXPECT_NEAR(rates->aprcPercent, c.aprcPercent, c.tolerance);
}

constexpr std::int32_t kMonthly = 6;

// Published figures: Regulation Z, Appendix J (5,000 by 24 monthly payments of
// 230.00 is 9.69 %); the mortgage credit directive's Annex I example; Directive
// 98/7/EC's Annex III example 3 (1,000 by two yearly payments of 600 is
// 13.07 %). Otherwise the other regulation's figure follows from the rate per
// period, and the figures without closing costs from the nominal rate.
INSTANTIATE_TEST_SUITE_P(
    Table, Apr,
    testing::Values(
        AprCase{"RegulationZAppendixJ", {{5000, 9.6857, 24, kMonthly}}, 23000, 9.69, 10.13, 5e-3},
        AprCase{
            "AnnexIWithAFee", {{200000, 6, 240, kMonthly}, 4000}, 143286, 6.252107, 6.434412, 5e-7},
        AprCase{"PointsArePercentOfTheAmount",
                {{200000, 6, 240, kMonthly}, 0, 2},
                143286,
                6.252107,
                6.434412,
                5e-7},
        AprCase{"TaxesAndInsuranceAreNoFinanceCharge",
                {{200000, 6, 240, kMonthly, 2400, 600}, 4000},
                143286,
                6.252107,
                6.434412,
                5e-7},
        AprCase{"Directive98AnnexIIIExample3", {{1000, 13.0662, 2, 9}}, 60000, 13.07, 13.07, 5e-3},
        AprCase{"NoClosingCostsIsTheNominalRate",
                {{150000, 6.75, 360, kMonthly}},
                97290,
                6.75,
                6.962794,
                1e-4},
        AprCase{"ConstantTakesTheRatePerPeriodAndCounts24",
                {{1000, 1, 12, 0}},
                8885,
                24.005179,
                26.979975,
                1e-6},
        AprCase{"Daily365", {{10000, 5, 3650, 1}, 100}, 348, 5.209013, 5.346677, 1e-6},
        AprCase{"ZeroRateWithFeesCostsSomething",
                {{1000, 0, 10, kMonthly}, 100},
                10000,
                23.555976,
                26.273191,
                1e-6},
        AprCase{"NegativeRate", {{100000, -1, 120, kMonthly}}, 79201, -1.0, -0.995429, 2e-4},
        AprCase{"NegativeRateWithFees",
                {{100000, -1, 120, kMonthly}, 1000},
                79201,
                -0.803830,
                -0.800875,
                1e-6},
        AprCase{"NoPayments", {{150000, 6.75, 0, kMonthly}}},
        AprCase{"NeverRepays", {{150000, 6.75, 32767, kMonthly}}},
        AprCase{"FeesEqualTheAmount", {{1000, 5, 12, kMonthly}, 1000}},
        AprCase{"FeesAboveTheAmount", {{1000, 5, 12, kMonthly}, 5000}},
        AprCase{"PointsTakeItAll", {{1000, 5, 12, kMonthly}, 0, 100}},
        AprCase{"FeesNotANumber", {{1000, 5, 12, kMonthly}, NAN}},
        AprCase{"FeesBeyondCents", {{1000, 5, 12, kMonthly}, 1e300}}),
    [](const testing::TestParamInfo<AprCase>& info) { return info.param.name; });

// A cent financed against a huge payment, and the reverse: a rate per period
// far above 1, and one close to −1, neither of which may hang the solver.
TEST(Apr, ExtremeCashFlowsEndInARateOrNone) {
    EXPECT_FALSE(annualRatesOf(LevelPayments{1, 100'000'000'000, 1, 365}));
    const auto rates = annualRatesOf(LevelPayments{100'000'000'000, 1, 32767, 365});
    ASSERT_TRUE(rates);
    EXPECT_LT(rates->aprPercent, 0.0);
    EXPECT_FALSE(annualRatesOf(LevelPayments{0, 100, 12, 12}));
    EXPECT_FALSE(annualRatesOf(LevelPayments{100, 0, 12, 12}));
}

} // namespace
} // namespace paysmith
