#include "schedule/core/schedule.h"

#include "loan/core/evaluation.h"
#include "loan/core/payment.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

namespace paysmith {
namespace {

constexpr std::int32_t kMonthly = 6;

TEST(LenderSchedule, DefaultLoanStartsWithTheBilledFirstPeriod) {
    const LenderSchedule s = lenderSchedule({150000.0, 6.75, 360, kMonthly, 0.0, 0.0});
    ASSERT_TRUE(s.exists());
    ASSERT_EQ(s.rows.size(), 360u);
    EXPECT_EQ(s.rows[0].payment, 97290);
    EXPECT_EQ(s.rows[0].principal, 12915);
    EXPECT_EQ(s.rows[0].interest, 84375);
    EXPECT_EQ(s.rows[0].balance, 15000000 - 12915);
    EXPECT_EQ(s.rows.back().balance, 0);
}

// Cents are rounded as on paper, half a cent up, whatever the binary value.
TEST(LenderSchedule, RoundsHalfCentsAsDecimalArithmeticDoes) {
    struct {
        ScheduleInputs in;
        std::int64_t payment;
        std::int64_t taxes;
    } const cases[] = {
        {{350000.0, 0.0, 780, kMonthly, 0.18, 0.0}, 44872, 2}, // 448.717… and 0.015
        {{150000.0, 6.75, 360, kMonthly, 1234.56, 0.0}, 97290, 10288},
    };
    for (const auto& c : cases) {
        const LenderSchedule s = lenderSchedule(c.in);
        EXPECT_EQ(s.payment, c.payment);
        EXPECT_EQ(s.taxes, c.taxes);
    }
}

TEST(LenderSchedule, LastPaymentStandsOutOnlyWhenTheCentsHaveGrown) {
    const LenderSchedule daily = lenderSchedule({150000.0, 6.75, 32767, 1, 0.0, 0.0});
    ASSERT_TRUE(daily.exists());
    EXPECT_TRUE(lastPaymentStandsOut(daily)) << daily.rows.back().payment;
    EXPECT_FALSE(lastPaymentStandsOut(lenderSchedule({150000.0, 6.75, 360, kMonthly, 0, 0})));
    EXPECT_FALSE(lastPaymentStandsOut(lenderSchedule({150000.0, 6.75, 0, kMonthly, 0, 0})));
}

TEST(LenderSchedule, ZeroRateSharesThePrincipalAndTheLastTakesTheLeftover) {
    const LenderSchedule s = lenderSchedule({1000.0, 0.0, 3, kMonthly, 0.0, 0.0});
    ASSERT_TRUE(s.exists());
    ASSERT_EQ(s.rows.size(), 3u);
    EXPECT_EQ(s.rows[0].principal, 33333);
    EXPECT_EQ(s.rows[1].principal, 33333);
    EXPECT_EQ(s.rows[2].principal, 33334);
    EXPECT_EQ(s.totals.interest, 0);
}

// A schedule written as a lender's clerk would keep it: the balance in
// extended precision, the interest rounded with roundl, the last payment
// decided by what is left.
struct ClerkTotals {
    long double payments = 0;
    long double principal = 0;
    long double balance = 0;
    std::size_t periods = 0;
};

void expectClerkAgrees(const ScheduleInputs& in, const LenderSchedule& s) {
    const long double divisor = in.frequencyIndex == 0 ? 1 : s.periodsPerYear;
    const long double rateMillionths = std::roundl(in.annualRatePercent * 10000.0L);
    const long double regular = static_cast<long double>(s.payment);
    ClerkTotals clerk;
    clerk.balance = std::roundl(in.amount * 100.0L);
    const long double borrowed = clerk.balance;
    for (std::int32_t left = in.payments; left > 0; --left) {
        const long double interest = std::roundl(clerk.balance * rateMillionths / (1e6L * divisor));
        long double paid = regular;
        if (left == 1 || clerk.balance + interest <= regular)
            paid = clerk.balance + interest;
        const ScheduleRow<std::int64_t>& row = s.rows.at(clerk.periods);
        ASSERT_EQ(row.interest, static_cast<std::int64_t>(interest))
            << "period " << clerk.periods + 1;
        ASSERT_EQ(row.payment, static_cast<std::int64_t>(paid)) << "period " << clerk.periods + 1;
        clerk.balance -= paid - interest;
        clerk.payments += paid;
        clerk.principal += paid - interest;
        ++clerk.periods;
        if (clerk.balance == 0)
            break;
    }
    EXPECT_EQ(clerk.periods, s.rows.size());
    EXPECT_EQ(clerk.balance, 0);
    EXPECT_EQ(s.rows.back().balance, 0);
    EXPECT_EQ(clerk.principal, borrowed);
    EXPECT_EQ(s.totals.principal, static_cast<std::int64_t>(borrowed));
    EXPECT_EQ(s.totals.payment, static_cast<std::int64_t>(clerk.payments));
    EXPECT_EQ(s.totals.paid(), s.totals.payment + static_cast<std::int64_t>(clerk.periods) *
                                                      (s.taxes + s.insurance));
}

TEST(LenderSchedule, AgreesWithAnIndependentClerkOnRandomLoans) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::int64_t> cents(100'00, 2'000'000'00);
    std::uniform_int_distribution<std::int32_t> rate(-50000, 300000); // -5 % to 30 %
    std::uniform_int_distribution<std::int32_t> index(0, 9);
    std::uniform_int_distribution<std::int32_t> payments(1, 720);
    int schedules = 0;
    for (int loan = 0; loan < 4000; ++loan) {
        const ScheduleInputs in{static_cast<double>(cents(random)) / 100.0,
                                rate(random) / 10000.0,
                                payments(random),
                                index(random),
                                1234.56,
                                789.01};
        const LenderSchedule s = lenderSchedule(in);
        if (!s.exists()) {
            EXPECT_EQ(s.reason, NoScheduleReason::NeverRepays);
            continue;
        }
        // The regular payment is the panel's to the nearest cent.
        EXPECT_LE(std::fabs(s.payment - 100.0L * CalcPayment(in.payments, in.frequencyIndex,
                                                             in.annualRatePercent, in.amount)),
                  0.5L);
        expectClerkAgrees(in, s);
        if (testing::Test::HasFatalFailure())
            return;
        ++schedules;
    }
    EXPECT_GT(schedules, 3000);
}

struct NoScheduleCase {
    const char* name;
    ScheduleInputs inputs;
    NoScheduleReason lender;
    NoScheduleReason formula;
    int figures = 0; // the payment, the first period's interest
    std::array<std::int64_t, 2> cents{};
};

class NoSchedule : public testing::TestWithParam<NoScheduleCase> {};

TEST_P(NoSchedule, GivesTheReasonInsteadOfRows) {
    const NoScheduleCase& c = GetParam();
    const LenderSchedule lender = lenderSchedule(c.inputs);
    const FormulaSchedule formula = formulaSchedule(c.inputs);
    EXPECT_EQ(lender.reason, c.lender);
    EXPECT_EQ(formula.reason, c.formula);
    EXPECT_TRUE(lender.exists() || lender.rows.empty());
    EXPECT_TRUE(formula.exists() || formula.rows.empty());
    // Every reason names the loan; a payment that never repays shows itself
    // against the first period's interest.
    const NoScheduleWords words = noScheduleWords(WhichLoan::Loan2, c.inputs, lender.reason);
    EXPECT_EQ(words.pattern.empty(), lender.exists());
    EXPECT_TRUE(lender.exists() || words.pattern.starts_with("Loan %1 has no schedule: "));
    EXPECT_EQ(words.loanNumber, 2);
    EXPECT_EQ(words.figures, c.figures);
    EXPECT_EQ(words.cents, c.cents);
}

using R = NoScheduleReason;
INSTANTIATE_TEST_SUITE_P(
    Table, NoSchedule,
    testing::Values(
        NoScheduleCase{
            "NoPayments", {150000, 6.75, 0, kMonthly, 0, 0}, R::NoPayments, R::NoPayments},
        NoScheduleCase{"NegativePayments",
                       {150000, 6.75, -12, kMonthly, 0, 0},
                       R::NegativePayments,
                       R::NegativePayments},
        NoScheduleCase{"MoreThanTheCountHolds",
                       {150000, 6.75, 32768, kMonthly, 0, 0},
                       R::TooManyPayments,
                       R::TooManyPayments},
        NoScheduleCase{"NothingBorrowed",
                       {0, 6.75, 360, kMonthly, 0, 0},
                       R::NothingBorrowed,
                       R::NothingBorrowed},
        NoScheduleCase{"NegativeAmount",
                       {-5, 6.75, 360, kMonthly, 0, 0},
                       R::NothingBorrowed,
                       R::NothingBorrowed},
        NoScheduleCase{
            "RateTakesTheWholeBalance", {1000, -100, 12, 0, 0, 0}, R::RateTooLow, R::RateTooLow},
        NoScheduleCase{"ZeroRate", {1000, 0, 12, kMonthly, 0, 0}, R::None, R::None},
        // Five cents shared by twelve is no whole cent a period.
        NoScheduleCase{"CentsTooFewToShare",
                       {0.05, 0, 12, kMonthly, 0, 0},
                       R::NeverRepays,
                       R::None,
                       1,
                       {0, 0}},
        // So many periods that the payment in cents is the interest alone.
        NoScheduleCase{"InterestOnly",
                       {150000, 6.75, 32767, kMonthly, 0, 0},
                       R::NeverRepays,
                       R::NeverRepays,
                       2,
                       {84375, 84375}},
        NoScheduleCase{
            "AmountNotFinite", {INFINITY, 6.75, 12, kMonthly, 0, 0}, R::OutOfRange, R::OutOfRange},
        NoScheduleCase{
            "TaxesBeyondCents", {1000, 6.75, 12, kMonthly, 1e12, 0}, R::OutOfRange, R::OutOfRange},
        NoScheduleCase{
            "RateNotANumber", {1000, NAN, 12, kMonthly, 0, 0}, R::OutOfRange, R::OutOfRange}),
    [](const testing::TestParamInfo<NoScheduleCase>& info) { return info.param.name; });

class LongestSchedule : public testing::TestWithParam<std::int32_t> {};

TEST_P(LongestSchedule, HighestRateNeverRepays) {
    const ScheduleInputs in{999999999.99, 999.9999, kMaxSchedulePeriods, GetParam(), 0, 0};
    EXPECT_EQ(lenderSchedule(in).reason, NoScheduleReason::NeverRepays);
    EXPECT_EQ(formulaSchedule(in).reason, NoScheduleReason::NeverRepays);
}

TEST_P(LongestSchedule, LowestRateRepaysEveryCent) {
    for (double amount : {150000.0, 999999999.99}) {
        const ScheduleInputs in{amount, -99.9999, kMaxSchedulePeriods, GetParam(), 0, 0};
        const LenderSchedule s = lenderSchedule(in);
        ASSERT_TRUE(s.exists()) << amount;
        EXPECT_LE(s.rows.size(), static_cast<std::size_t>(kMaxSchedulePeriods));
        EXPECT_EQ(s.rows.back().balance, 0);
        EXPECT_EQ(s.totals.principal, std::llround(amount * 100));
        const FormulaSchedule f = formulaSchedule(in);
        ASSERT_TRUE(f.exists()) << amount;
        EXPECT_EQ(f.rows.size(), static_cast<std::size_t>(kMaxSchedulePeriods));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFrequency, LongestSchedule, testing::Range(0, 10));

TEST(FormulaSchedule, RowsRepayTheLoanAndTotalsAreThePanels) {
    const ScheduleInputs in{150000.0, 6.75, 360, kMonthly, 2400.0, 600.0};
    const FormulaSchedule f = formulaSchedule(in);
    ASSERT_TRUE(f.exists());
    EXPECT_NEAR(f.rows.back().balance, 0.0, 1e-6);
    EXPECT_DOUBLE_EQ(f.payment, CalcPayment(360, kMonthly, 6.75, 150000.0));
    EXPECT_DOUBLE_EQ(f.totals.interest, f.payment * 360 - 150000.0);
    EXPECT_DOUBLE_EQ(f.totals.taxes, 2400.0 * 30);
    LoanState state;
    state.FrequencyIndex = kMonthly;
    state.PeriodsPerYear = 12;
    EXPECT_EQ(f.totals.paid(),
              evaluateLoan(state, {150000.0, 6.75, 360, 0.0, 2400.0, 600.0}).totalPaid);
    // A year of payments under either convention costs twelve of them.
    const LenderSchedule l = lenderSchedule(in);
    EXPECT_EQ(l.costPerYear(), 12 * (97290 + 20000 + 5000));
    EXPECT_DOUBLE_EQ(f.costPerYear(), 12 * (f.payment + 200.0 + 50.0));
}

} // namespace
} // namespace paysmith
