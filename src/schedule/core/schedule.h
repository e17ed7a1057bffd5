#pragma once

#include "loan/core/loanvalues.h"
#include "schedule/core/extrapayments.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace paysmith {

// The payments field is a 16-bit count.
inline constexpr std::int32_t kMaxSchedulePeriods = 32767;

struct ScheduleInputs {
    double amount = 0.0;
    double annualRatePercent = 0.0;
    std::int32_t payments = 0;
    std::int32_t frequencyIndex = 0;
    double annualTaxes = 0.0;
    double annualInsurance = 0.0;
};

// The schedule's inputs of a loan as it was worked out.
ScheduleInputs scheduleInputsOf(const LoanValues& loan);

enum class NoScheduleReason {
    None,
    NoPayments,
    NegativePayments,
    TooManyPayments,
    NothingBorrowed,
    RateTooLow,
    NeverRepays,
    OutOfRange,
    ArithmeticFault,
};

// The English text of a reason; the widgets translate it.
std::string_view noScheduleText(NoScheduleReason reason);

// Money is whole cents (std::int64_t) for the lender's convention and
// currency units (double) for the formula's. `payment` is principal plus
// interest; taxes and insurance are paid beside it. `extra` is the part of
// `payment` beyond the regular payment that extra payments made.
template <typename Money> struct ScheduleRow {
    Money payment{};
    Money principal{};
    Money interest{};
    Money taxes{};
    Money insurance{};
    Money balance{};
    Money extra{};
};

template <typename Money> struct ScheduleTotals {
    Money payment{};
    Money principal{};
    Money interest{};
    Money taxes{};
    Money insurance{};
    Money extra{};

    Money paid() const { return payment + taxes + insurance; }
};

template <typename Money> struct Schedule {
    NoScheduleReason reason = NoScheduleReason::None;
    std::int32_t periodsPerYear = 0;
    // A regular period's payment (principal and interest), taxes and insurance.
    Money payment{};
    Money taxes{};
    Money insurance{};
    std::vector<ScheduleRow<Money>> rows;
    ScheduleTotals<Money> totals;

    bool exists() const { return reason == NoScheduleReason::None; }
    Money fullPayment() const { return payment + taxes + insurance; }
    Money costPerYear() const { return fullPayment() * periodsPerYear; }
};

using LenderSchedule = Schedule<std::int64_t>;
using FormulaSchedule = Schedule<double>;

// Whether the last payment differs from the regular one by more than a whole
// payment: the cents that rounding each payment leaves over, with their
// interest, have grown large over the term.
bool lastPaymentStandsOut(const LenderSchedule& schedule);

// What a lender bills: the payment rounded to the cent, each period's interest
// rounded to the cent, and a last payment of whatever balance is left plus its
// interest. The annual rate counts to the ten-thousandth of a percent, as the
// rate field holds it, so every period is exact integer arithmetic. A loan
// whose regular payment would overpay the balance ends early, with that
// smaller last payment: rows may be fewer than the payments asked for.
LenderSchedule lenderSchedule(const ScheduleInputs& inputs);

// The same schedule with extra payments: each period's payment is the regular
// one plus the extras due in it, and one that would pass the balance is cut to
// the balance plus its interest and ends the schedule. `payment` stays the
// regular payment. A loan that has no schedule without extras has none with
// them either.
LenderSchedule lenderSchedule(const ScheduleInputs& inputs, const ExtraPayments& extras);

// The payment as the loan panel computes it, unrounded, paid every period; its
// totals are the panel's own totals.
FormulaSchedule formulaSchedule(const ScheduleInputs& inputs);

} // namespace paysmith
