#pragma once

#include "schedule/core/schedule.h"

#include <array>
#include <optional>

namespace paysmith {

struct LoanSchedules {
    ScheduleInputs inputs;
    ExtraPayments extras;
    LenderSchedule lender; // with the extras, as the page's table shows it
    // The same without the extras, as the contract bills it: against the
    // formula's, only what whole cents change shows. Its figures only: the
    // rows are the lender's.
    LenderSchedule contract;
    std::int32_t contractPeriods = 0;
    FormulaSchedule formula; // its figures only, without rows
};

// A loan's schedules; the formula's has no extras.
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
// year (payments per year times the payment) under both. The lender's figures
// are the contract's, without extra payments, so that the excess is what
// whole cents make of the formula and nothing else.
std::array<SummaryLine, kSummaryLines> summaryLines(const LoanSchedules& loan1,
                                                    const LoanSchedules& loan2);

// Why the last payment of the lender's schedule differs from the regular one,
// when that is worth a note under the table.
enum class LastPaymentCause {
    None,
    // Cents left over by each rounded payment, with their interest, have
    // grown beyond a whole payment by the contract's last period.
    Rounding,
    // The extras repaid the loan before the contract's last period; the last
    // payment is what was left.
    ExtraPayments,
    LumpSum,
    ExtraPaymentsAndLumpSum,
};

struct LastPaymentNote {
    LastPaymentCause cause = LastPaymentCause::None;
    std::int64_t lastCents = 0; // all paid in the last period, extras too
    std::int64_t regularCents = 0;
    std::int32_t periods = 0;         // of the schedule with the extras
    std::int32_t contractPeriods = 0; // without them
};

LastPaymentNote lastPaymentNote(const LoanSchedules& loan);

} // namespace paysmith
