#include "loan/core/frequency.h"
#include "schedule/core/extrarefusal.h"
#include "schedule/core/payoff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace paysmith {
namespace {

using Row = std::tuple<std::int64_t, std::int64_t, std::int64_t>; // payment, interest, extra

// Kept as a borrower would: first the bill, the regular payment or in the
// contract's last period all that is owed; then the extras due, off what is
// still owed and never more.
std::vector<Row> ledgerOf(const ScheduleInputs& in, std::int64_t regular, const ExtraPayments& x) {
    const long double divisor = std::max(1, kPaymentFrequencies[in.frequencyIndex].rateDivisor);
    const long double rateMillionths = std::roundl(in.annualRatePercent * 10000.0L);
    long double owed = std::roundl(in.amount * 100.0L);
    std::vector<Row> rows;
    for (std::int32_t period = 1; owed > 0; ++period) {
        const long double interest = std::roundl(owed * rateMillionths / (1e6L * divisor));
        owed += interest;
        const long double bill =
            period == in.payments ? owed : std::min(static_cast<long double>(regular), owed);
        owed -= bill;
        const long double extra = std::min<long double>(
            owed, x.perPeriodCents + (period == x.lumpPeriod ? x.lumpSumCents : 0));
        owed -= extra;
        rows.emplace_back(bill + extra, interest, extra);
    }
    return rows;
}

template <std::size_t Column> std::int64_t sumOf(const std::vector<Row>& rows) {
    std::int64_t sum = 0;
    for (const Row& row : rows)
        sum += std::get<Column>(row);
    return sum;
}

struct ExtrasCase {
    const char* name;
    ScheduleInputs in;
    ExtraPayments extras;
    std::optional<ExtraRefusal> refusal = std::nullopt;
};

constexpr ScheduleInputs kHome{150000, 6.75, 360, 6};
using X = ExtraRefusal;

const ExtrasCase kCases[] = {
    {"NoExtras", kHome, {}},
    {"ExtraOnly", kHome, {20000, 0, 0}},
    {"LumpOnly", kHome, {0, 2000000, 24}},
    {"Both", {200000, 5, 780, 4, 1200, 300}, {5000, 1500000, 100}},
    {"LumpInTheLastPeriod", kHome, {0, 50000, 360}},
    {"ExtraLargerThanThePayment", kHome, {200000, 0, 0}},
    {"ZeroRate", {1000, 0, 3, 6}, {100, 20000, 2}},
    {"LastPaymentTakesTheLeftoverCents", {1000, 0, 3, 6}, {0, 500, 3}},
    {"NegativeRate", {100000, -1, 120, 6}, {10000, 0, 0}},
    {"NoSchedule", {150000, 6.75, 0, 6}, {20000, 0, 0}},
    {"LumpOfNothingAnywhere", kHome, {0, 0, 999}},
    {"NegativeExtra", kHome, {-1, 0, 0}, X::NegativePerPeriod},
    {"NegativeLump", kHome, {0, -1, 1}, X::NegativeLumpSum},
    {"ExtraRepaysAtOnce", kHome, {15000000, 0, 0}, X::RepaysAtOnce},
    {"LumpPastTheEnd", kHome, {0, 100, 361}, X::LumpPeriodOutsideSchedule},
    {"LumpPastTheShortenedEnd", kHome, {200000, 100, 100}, X::LumpPeriodOutsideSchedule},
    {"LumpWithoutPeriod", kHome, {0, 100, 0}, X::LumpPeriodOutsideSchedule},
};

class Extras : public testing::TestWithParam<ExtrasCase> {};

TEST_P(Extras, FollowTheBorrowersLedgerAndSaveTheDifferenceOfInterest) {
    const ExtrasCase& c = GetParam();
    ASSERT_EQ(refusalOfExtras(c.in, c.extras), c.refusal);
    const LenderSchedule plain = lenderSchedule(c.in);
    const std::optional<PayoffSummary> payoff = payoffOf(c.in, c.extras);
    ASSERT_EQ(payoff.has_value(), plain.exists());
    if (c.refusal) {
        EXPECT_FALSE(extraRefusalText(*c.refusal).empty());
        return;
    }
    if (!payoff)
        return;
    const LenderSchedule s = lenderSchedule(c.in, c.extras);
    std::vector<Row> rows;
    for (const ScheduleRow<std::int64_t>& row : s.rows)
        rows.emplace_back(row.payment, row.interest, row.extra);
    const std::vector<Row> ledger = ledgerOf(c.in, plain.payment, c.extras);
    ASSERT_EQ(rows, ledger);
    EXPECT_EQ(s.rows.back().balance, 0);
    EXPECT_EQ(s.totals.extra, sumOf<2>(ledger));
    EXPECT_EQ(payoff->periods, static_cast<std::int32_t>(ledger.size()));
    EXPECT_EQ(payoff->lastPaymentCents, std::get<0>(ledger.back()));
    EXPECT_EQ(payoff->totalInterestCents, sumOf<1>(ledger));
    EXPECT_EQ(payoff->interestSavedCents,
              sumOf<1>(ledgerOf(c.in, plain.payment, {})) - sumOf<1>(ledger));
}

INSTANTIATE_TEST_SUITE_P(Table, Extras, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace paysmith
