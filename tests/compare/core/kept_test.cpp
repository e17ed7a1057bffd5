#include "compare/core/kept.h"

#include <gtest/gtest.h>

#include <cmath>

namespace paysmith {
namespace {

constexpr std::int32_t kBiweekly = 4;
constexpr std::int32_t kMonthly = 6;

struct KeptCase {
    const char* name;
    Offer offer;
    double years;
    std::optional<std::int32_t> periods;
};

class Kept : public testing::TestWithParam<KeptCase> {};

// The interest reached without the interest column: what was paid, less the
// part of it that repaid the amount.
TEST_P(Kept, CostsTheClosingAndThePaymentsBeyondThePrincipalRepaid) {
    const KeptCase& c = GetParam();
    const std::optional<KeptCost> kept = costIfKept(c.offer, c.years);
    ASSERT_EQ(kept.has_value(), c.periods.has_value());
    if (!kept)
        return;
    ASSERT_EQ(kept->periods, *c.periods);
    const LenderSchedule s = lenderSchedule(c.offer.loan);
    std::int64_t paid = 0;
    std::int64_t repaid = 0;
    for (std::size_t k = 0; k < static_cast<std::size_t>(*c.periods); ++k) {
        paid += s.rows[k].payment;
        repaid += s.rows[k].principal;
    }
    EXPECT_EQ(kept->balanceCents, s.totals.principal - repaid);
    EXPECT_EQ(kept->costCents, *closingCents(c.offer) + paid - repaid);
}

const Offer kWithPoints{{200000, 6, 360, kMonthly}, 3000, 1};

INSTANTIATE_TEST_SUITE_P(
    Table, Kept,
    testing::Values(KeptCase{"FiveYears", kWithPoints, 5, 60},
                    KeptCase{"RoundsDownToAPeriod", kWithPoints, 5.04, 60},
                    KeptCase{"RoundsUpToAPeriod", kWithPoints, 5.05, 61},
                    KeptCase{"Biweekly", {{200000, 6, 780, kBiweekly}, 500}, 7.3, 190},
                    KeptCase{"ZeroRate", {{1000, 0, 10, kMonthly}, 100}, 0.5, 6},
                    KeptCase{"NotKeptAtAll", kWithPoints, 0, 0},
                    KeptCase{"NegativeYears", kWithPoints, -2, 0},
                    KeptCase{"BeyondTheTerm", kWithPoints, 100, 360},
                    KeptCase{"Forever", kWithPoints, INFINITY, 360},
                    KeptCase{"YearsNotANumber", kWithPoints, NAN, std::nullopt},
                    KeptCase{"NoSchedule", {{200000, 6, 0, kMonthly}}, 5, std::nullopt}),
    [](const testing::TestParamInfo<KeptCase>& info) { return info.param.name; });

} // namespace
} // namespace paysmith
