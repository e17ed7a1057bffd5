#pragma once

#include "schedule/core/schedule.h"

#include <array>
#include <optional>

namespace paysmith {

struct LoanSchedules {
    LenderSchedule lender;
    FormulaSchedule formula;
};

// The lender's schedule with the extra payments, the formula's without.
LoanSchedules loanSchedules(const ScheduleInputs& inputs, const ExtraPayments& extras = {});

// One line of the two loans' comparison, in currency units; a figure that a
// loan without a schedule lacks is empty, and so is any difference with it.
struct SummaryLine {
    const char* caption; // English; the widgets translate it
    std::optional<double> loan1;
    std::optional<double> loan2;
    std::optional<double> difference; // Loan 2 − Loan 1
};

inline constexpr std::size_t kSummaryLines = 11;

// Payment, total interest and total paid under the formula and the lender's
// convention with the lender's excess over the formula, then the cost per
// year (payments per year times the payment) under both.
std::array<SummaryLine, kSummaryLines> summaryLines(const LoanSchedules& loan1,
                                                    const LoanSchedules& loan2);

} // namespace paysmith
