#include "schedule/core/summary.h"

#include <gtest/gtest.h>

#include <cmath>

namespace paysmith {
namespace {

TEST(ScheduleSummary, ComparesLoansOfDifferentFrequenciesByTheYear) {
    // 12,000.00 at 0 % repaid monthly over a year, or quarterly over two:
    // both conventions share the principal out.
    const auto lines = summaryLines(loanSchedules({12000.0, 0.0, 12, 6, 1200.0, 0.0}),
                                    loanSchedules({12000.0, 0.0, 8, 7, 1200.0, 0.0}));
    const SummaryLine& payment = lines[1];
    EXPECT_EQ(*payment.loan1, 1000.0 + 100.0);
    EXPECT_EQ(*payment.loan2, 1500.0 + 300.0);
    EXPECT_EQ(*payment.difference, 700.0);
    const SummaryLine& costPerYear = lines[10];
    EXPECT_EQ(*costPerYear.loan1, 13200.0);
    EXPECT_EQ(*costPerYear.loan2, 7200.0);
    EXPECT_EQ(*costPerYear.difference, -6000.0);
    // Whole cents a period: the lender bills exactly the formula's payment.
    EXPECT_EQ(*lines[0].loan2, *payment.loan2);
    for (std::size_t excess : {2u, 5u})
        EXPECT_EQ(*lines[excess].loan1, 0.0) << excess;
}

TEST(ScheduleSummary, LendersExcessIsWhatTheCentsAddToTheFormula) {
    const LoanSchedules loan = loanSchedules({150000.0, 6.75, 360, 6, 0.0, 0.0});
    const auto lines = summaryLines(loan, loan);
    EXPECT_DOUBLE_EQ(*lines[5].loan1,
                     loan.lender.totals.interest / 100.0 - loan.formula.totals.interest);
    EXPECT_EQ(*lines[5].difference, 0.0);
    // The billed payment is the formula's to the nearest cent.
    EXPECT_LE(std::fabs(*lines[2].loan1), 0.005);
}

} // namespace
} // namespace paysmith
