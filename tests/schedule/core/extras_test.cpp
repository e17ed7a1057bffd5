#include "loan/core/frequency.h"
#include "schedule/core/extrarefusal.h"
#include "schedule/core/payoff.h"
#include "schedule/core/summary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace paysmith {
namespace {

// A borrower's ledger kept beside the schedule: the bill first, the regular
// payment or in the contract's last period all that is owed, then the extras
// due, never more than is still owed. Gives the interest paid.
std::int64_t ledgerInterest(const ScheduleInputs& in, const ExtraPayments& x,
                            const LenderSchedule& s) {
    const long double divisor = std::max(1, kPaymentFrequencies[in.frequencyIndex].rateDivisor);
    const long double rate = std::roundl(in.annualRatePercent * 1e4L);
    std::int64_t owed = std::llroundl(in.amount * 100.0L), paid = 0, extras = 0;
    std::size_t k = 0;
    for (std::int32_t period = 1; owed > 0; ++period, ++k) {
        const std::int64_t before = owed;
        const std::int64_t interest = std::llroundl(owed * rate / (1e6L * divisor));
        owed += interest;
        const std::int64_t bill = period == in.payments ? owed : std::min(s.payment, owed);
        const std::int64_t due = x.perPeriodCents + (period == x.lumpPeriod ? x.lumpSumCents : 0);
        const std::int64_t extra = std::min(due, owed - bill);
        owed -= bill + extra;
        paid += interest;
        extras += extra;
        const ScheduleRow<std::int64_t>& row = s.rows.at(k);
        EXPECT_EQ(std::tuple(row.payment, row.interest, row.extra, row.balance),
                  std::tuple(bill, interest, extra, owed));
        // The columns add up: the balance falls by the principal and the extra.
        EXPECT_EQ(row.principal + row.interest + row.extra, before - row.balance + row.interest)
            << "period " << period;
    }
    EXPECT_EQ(k, s.rows.size());
    EXPECT_EQ(extras, s.totals.extra);
    return paid;
}

struct ExtrasCase {
    const char* name;
    ScheduleInputs in;
    ExtraPayments extras;
    LastPaymentCause cause = LastPaymentCause::None;
    std::optional<ExtraRefusal> refusal = std::nullopt;
    bool noted = false; // beside the fields, though counted as they stand
};

using C = LastPaymentCause;

constexpr ScheduleInputs kHome{150000, 6.75, 360, 6};

const ExtrasCase kCases[] = {
    {"NoExtras", kHome, {}},
    {"ExtraOnly", kHome, {20000, 0, 0}, C::ExtraPayments},
    {"LumpOnly", kHome, {0, 2000000, 24}, C::LumpSum},
    {"Both", {200000, 5, 780, 4, 1200, 300}, {5000, 1500000, 100}, C::ExtraPaymentsAndLumpSum},
    // Its last payment takes the cent that rounding left over, and no extra.
    {"LumpInTheLastPeriod", {1000, 0, 3, 6}, {0, 500, 3}},
    {"ExtraLargerThanThePayment", {100000, -1, 120, 6}, {200000, 0, 0}, C::ExtraPayments},
    // Daily cents grow past a payment by the contract's end, which a small
    // extra never reaches.
    {"CentsGrowWithoutExtras", {150000, 6.75, 32767, 1}, {}, C::Rounding},
    {"ExtrasEndItBeforeTheCentsGrow", {150000, 6.75, 32767, 1}, {100, 0, 0}, C::ExtraPayments},
    {"NoSchedule", {150000, 6.75, 0, 6}, {20000, 0, 0}},
    {"NegativeLump", kHome, {0, -1, 1}, C::None, ExtraRefusal::NegativeLumpSum},
    {"ExtraRepaysAtOnce", kHome, {15000000, 0, 0}, C::ExtraPayments, ExtraRefusal::RepaysAtOnce},
    {"LumpPastTheEnd",
     kHome,
     {200000, 100, 100},
     C::ExtraPayments,
     ExtraRefusal::LumpPeriodOutsideSchedule},
    {"LumpBeforeTheStart", kHome, {0, 100, -1}, C::None, ExtraRefusal::LumpPeriodOutsideSchedule},
    // A lump sum whose payment is yet to be given pays nothing meanwhile.
    {"LumpWithoutItsPeriod", kHome, {20000, 2000000, 0}, C::ExtraPayments, std::nullopt, true},
};

class Extras : public testing::TestWithParam<ExtrasCase> {};

TEST_P(Extras, FollowABorrowersLedgerAndSaveTheDifferenceInInterest) {
    const ExtrasCase& c = GetParam();
    ASSERT_EQ(refusalOfExtras(c.in, c.extras), c.refusal);
    EXPECT_EQ(extrasNote(c.in, c.extras).empty(), !c.refusal && !c.noted);
    const LenderSchedule plain = lenderSchedule(c.in);
    const std::optional<PayoffSummary> payoff = payoffOf(c.in, c.extras);
    ASSERT_EQ(payoff.has_value(), plain.exists());
    const LoanSchedules loan = loanSchedules(c.in, c.extras);
    EXPECT_EQ(lastPaymentNote(loan).cause, c.cause);
    // The lender's rows against the formula's show whole cents, not extras.
    const auto with = summaryLines(loan, loan);
    const auto without = summaryLines(loanSchedules(c.in), loanSchedules(c.in));
    for (std::size_t k = 0; k < kSummaryLines; ++k)
        EXPECT_EQ(with[k].loan1, without[k].loan1) << with[k].caption;
    if (c.refusal || !payoff)
        return;
    const LenderSchedule s = lenderSchedule(c.in, c.extras);
    const std::int64_t interest = ledgerInterest(c.in, c.extras, s);
    EXPECT_EQ(*payoff, (PayoffSummary{static_cast<std::int32_t>(s.rows.size()), s.periodsPerYear,
                                      s.rows.back().payment + s.rows.back().extra, interest,
                                      ledgerInterest(c.in, {}, plain) - interest}));
}

INSTANTIATE_TEST_SUITE_P(Table, Extras, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace paysmith
