#pragma once

#include "loan/core/loanvalues.h"
#include "loan/core/whichloan.h"
#include "schedule/core/extrapayments.h"

#include <array>
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

    friend bool operator==(const ScheduleInputs&, const ScheduleInputs&) = default;
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

// Why a loan has no schedule, in words: `pattern` is English, for the widgets
// to translate, with %1 the loan's number and %2, %3 the first `figures` of
// `cents` as sums of money. An empty pattern: the loan has a schedule.
struct NoScheduleWords {
    std::string_view pattern;
    std::int32_t loanNumber = 0;
    std::array<std::int64_t, 2> cents{};
    int figures = 0;
};

// The one wording of a missing schedule, for the page, its chart, the
// printout and the export alike. `reason` is the lender's schedule's.
NoScheduleWords noScheduleWords(WhichLoan loan, const ScheduleInputs& inputs,
                                NoScheduleReason reason);

// Money is whole cents (std::int64_t) for the lender's convention and
// currency units (double) for the formula's. `payment` is principal plus
// interest as the contract bills it; taxes and insurance are paid beside it,
// and so is `extra`, what extra payments add, all of it to principal. The
// balance falls by `principal` and `extra` together.
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

    Money paid() const { return payment + extra + taxes + insurance; }
    // The amount borrowed, repaid by the payments and the extras.
    Money repaid() const { return principal + extra; }
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

// The same schedule with extra payments: each period the regular payment is
// billed and the extras due in it are paid beside it; what would pass the
// balance is cut to the balance plus its interest, the bill first, and ends
// the schedule. `payment` stays the regular payment. A loan that has no schedule without extras has
// none with them either.
LenderSchedule lenderSchedule(const ScheduleInputs& inputs, const ExtraPayments& extras);

// How many periods that schedule has, worked out without keeping its rows; 0
// for a loan without one.
std::int32_t lenderPeriods(const ScheduleInputs& inputs, const ExtraPayments& extras);

// The lender's schedule without extras and without its rows: its payment,
// taxes, insurance and totals, and in `periods` how many rows it would have.
LenderSchedule lenderFigures(const ScheduleInputs& inputs, std::int32_t& periods);

// The payment as the loan panel computes it, unrounded, paid every period; its
// totals are the panel's own totals.
FormulaSchedule formulaSchedule(const ScheduleInputs& inputs);
// The same without its rows: the payment, taxes, insurance and totals.
FormulaSchedule formulaFigures(const ScheduleInputs& inputs);

} // namespace paysmith
