#include "compare/core/apr.h"

#include <gtest/gtest.h>

#include <cmath>

namespace paysmith {
namespace {

struct AprCase {
    const char* name;
    Offer offer;
    std::int64_t paymentCents = 0; // as billed; 0: no APR
    double apr = 0.0;
    double aprc = 0.0;
    double tolerance = 0.0;
};

constexpr std::int32_t kMonthly = 6;

// Published: Regulation Z, Appendix J (5,000 by 24 monthly payments of 230.00
// is 9.69 %); Annex I (200,000 by 240 monthly payments of 1,432.86 after a
// 4,000 fee is 6.434412 %; here with taxes and insurance, no finance charge);
// Directive 98/7/EC, Annex III, example 3 (1,000 by two yearly payments of 600
// is 13.07 %). The other figures follow from the rate per period, and without
// closing costs from the nominal rate.
const AprCase kCases[] = {
    {"RegulationZAppendixJ", {{5000, 9.6857, 24, kMonthly}}, 23000, 9.69, 10.13, 5e-3},
    {"AnnexI", {{200000, 6, 240, kMonthly, 2400, 600}, 4000}, 143286, 6.252107, 6.434412, 5e-7},
    {"PointsOfTheAmount", {{200000, 6, 240, kMonthly}, 0, 2}, 143286, 6.252107, 6.434412, 5e-7},
    {"Directive98Example3", {{1000, 13.0662, 2, 9}}, 60000, 13.07, 13.07, 5e-3},
    {"ConstantCounts24", {{1000, 1, 12, 0}}, 8885, 24.005179, 26.979975, 1e-6},
    {"Daily365", {{10000, 5, 3650, 1}, 100}, 348, 5.209013, 5.346677, 1e-6},
    {"ZeroRateWithFees", {{1000, 0, 10, kMonthly}, 100}, 10000, 23.555976, 26.273191, 1e-6},
    {"NegativeRate", {{100000, -1, 120, kMonthly}}, 79201, -1.0, -0.995429, 2e-4},
    {"NoPayments", {{150000, 6.75, 0, kMonthly}}},
    {"FeesEqualTheAmount", {{1000, 5, 12, kMonthly}, 1000}},
    {"FeesNotANumber", {{1000, 5, 12, kMonthly}, NAN}},
};

class Apr : public testing::TestWithParam<AprCase> {};

TEST_P(Apr, DiscountsTheBilledPaymentsToTheAmountFinanced) {
    const AprCase& c = GetParam();
    const std::optional<AnnualRates> rates = annualRatesOf(c.offer);
    ASSERT_EQ(rates.has_value(), c.paymentCents != 0);
    if (rates) {
        EXPECT_EQ(levelPaymentsOf(c.offer)->paymentCents, c.paymentCents);
        EXPECT_NEAR(rates->aprPercent, c.apr, c.tolerance);
        EXPECT_NEAR(rates->aprcPercent, c.aprc, c.tolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Apr, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A rate per period far above 1, or close to −1, must end the solver too.
TEST(Apr, ExtremeCashFlowsEndInARateOrNone) {
    EXPECT_FALSE(annualRatesOf(LevelPayments{1, 100'000'000'000, 1, 365}));
    EXPECT_LT(annualRatesOf(LevelPayments{100'000'000'000, 1, 32767, 365})->aprPercent, 0.0);
}

} // namespace
} // namespace paysmith
