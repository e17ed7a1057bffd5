#include "loan/core/evaluation.h"

#include "loan/core/frequency.h"
#include "loan/core/matherror.h"

#include <gtest/gtest.h>

namespace paysmith {
namespace {

struct EvaluationCase {
    const char* name;
    std::int32_t frequencyIndex;
    std::int32_t payments;
    double ratePercent;
    LoanResults expected;
};

class Evaluation : public testing::TestWithParam<EvaluationCase> {};

TEST_P(Evaluation, GivesTheWorkedResults) {
    const EvaluationCase& c = GetParam();
    LoanState state;
    state.FrequencyIndex = c.frequencyIndex;
    state.PeriodsPerYear = periodsPerYearOf(c.frequencyIndex);
    const LoanInputs inputs{150000, c.ratePercent, c.payments, 17.0, 2400, 600};

    const LoanResults r = evaluateLoan(state, inputs);

    EXPECT_NEAR(r.payment, c.expected.payment, 0.00005);
    EXPECT_NEAR(r.totalPaid, c.expected.totalPaid, 0.00005);
    EXPECT_NEAR(r.totalInterest, c.expected.totalInterest, 0.00005);
    EXPECT_NEAR(r.totalTaxes, c.expected.totalTaxes, 0.00005);
    EXPECT_NEAR(r.totalInsurance, c.expected.totalInsurance, 0.00005);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, Evaluation, testing::Values(
    EvaluationCase{"monthly", 6, 360, 6.75, {1222.8971, 440242.9721, 200242.9721, 72000, 18000}},
    EvaluationCase{"biweekly", 4, 780, 6.75, {564.2049, 440079.7899, 200079.7899, 72000, 18000}},
    // Taxes and insurance spread over a year and a month, not whole years.
    EvaluationCase{"thirteen_months", 6, 13, 6.75, {12247.8849, 159222.5032, 5972.5032, 2600, 650}},
    EvaluationCase{"zero_rate", 6, 360, 0.0, {666.6667, 240000, 0, 72000, 18000}},
    EvaluationCase{"zero_payments", 6, 0, 6.75, {250, 0, -150000, 0, 0}},
    EvaluationCase{"negative_payments", 6, -360, 6.75, {120.8529, -43507.0279, -103507.0279, -72000, -18000}},
    EvaluationCase{"constant", 0, 360, 6.75, {10250, 3690000.0002, 3495000.0002, 36000, 9000}}),
    [](const testing::TestParamInfo<EvaluationCase>& info) { return info.param.name; });
// clang-format on

// The inputs are stored before the payment formula runs, so even its
// failure leaves them in the state; the frequency is the caller's.
TEST(Evaluation, StateHoldsTheNewInputsWhenThePaymentFormulaFails) {
    LoanState state;
    state.FrequencyIndex = 7;
    state.PeriodsPerYear = 4;
    EXPECT_THROW(evaluateLoan(state, {99000, -500, 120, 5.5, 0, 0}), EInvalidOp);
    EXPECT_EQ(state.Amount, 99000);
    EXPECT_EQ(state.Interest, -500);
    EXPECT_EQ(state.Term, 120);
    EXPECT_EQ(state.Payment, 5.5);
    EXPECT_EQ(state.FrequencyIndex, 7);
    EXPECT_EQ(state.PeriodsPerYear, 4);
}

TEST(Evaluation, TotalsBeyondADoubleOverflow) {
    LoanState state;
    state.FrequencyIndex = 9;
    state.PeriodsPerYear = 1;
    EXPECT_THROW(evaluateLoan(state, {0, 0, 30000, 0, 1.7e308, 0}), EOverflow);
}

TEST(Evaluation, IdenticalInputsGiveIdenticalResultsForBothLoans) {
    LoanState first;
    LoanState second;
    first.FrequencyIndex = second.FrequencyIndex = 3;
    first.PeriodsPerYear = second.PeriodsPerYear = 52;
    const LoanInputs inputs{123456.78, 4.321, 1000, 0, 1500, 333};
    const LoanResults a = evaluateLoan(first, inputs);
    const LoanResults b = evaluateLoan(second, inputs);
    EXPECT_EQ(a.payment, b.payment);
    EXPECT_EQ(a.totalPaid, b.totalPaid);
    EXPECT_EQ(a.totalInterest, b.totalInterest);
}

} // namespace
} // namespace paysmith
