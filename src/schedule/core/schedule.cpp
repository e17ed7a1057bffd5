#include "schedule/core/schedule.h"

#include "base/text/translatable.h"
#include "loan/core/evaluation.h"
#include "loan/core/frequency.h"
#include "loan/core/matherror.h"
#include "loan/core/payment.h"
#include "schedule/core/cents.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace paysmith {

ScheduleInputs scheduleInputsOf(const LoanValues& loan) {
    return {loan.entry.amount,   loan.entry.annualRatePercent, loan.entry.payments,
            loan.frequencyIndex, loan.entry.annualTaxes,       loan.entry.annualInsurance};
}

namespace {

// With these bounds every product of the lender's arithmetic (balance in
// cents times the rate in millionths) stays below 1e18 and fits 64 bits. The
// fields hold less: 999,999,999.99 and 999.9999 %.
constexpr double kMaxAmount = 999'999'999.995;
constexpr double kMaxRatePercent = 1000.0;
// Two extras this large still add to a payment without overflow, and either
// repays any balance the bounds above allow.
constexpr std::int64_t kMaxExtraCents = 100'000'000'000'000'000;

std::int32_t rateDivisor(std::int32_t frequencyIndex) {
    const std::int32_t divisor = rateDivisorOf(frequencyIndex);
    return divisor == 0 ? 1 : divisor;
}

// Shared by both conventions: whether the inputs describe a loan at all.
NoScheduleReason checkInputs(const ScheduleInputs& in) {
    for (double value : {in.amount, in.annualTaxes, in.annualInsurance})
        if (!(std::fabs(value) < kMaxAmount))
            return NoScheduleReason::OutOfRange;
    if (!(std::fabs(in.annualRatePercent) <= kMaxRatePercent))
        return NoScheduleReason::OutOfRange;
    if (in.payments == 0)
        return NoScheduleReason::NoPayments;
    if (in.payments < 0)
        return NoScheduleReason::NegativePayments;
    if (in.payments > kMaxSchedulePeriods)
        return NoScheduleReason::TooManyPayments;
    if (!(in.amount >= 0.005))
        return NoScheduleReason::NothingBorrowed;
    if (in.annualRatePercent / 100.0 / rateDivisor(in.frequencyIndex) <= -1.0)
        return NoScheduleReason::RateTooLow;
    return NoScheduleReason::None;
}

// numerator / denominator rounded half away from zero; denominator > 0.
std::int64_t roundedQuotient(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t quotient = numerator / denominator;
    const std::int64_t remainder = numerator % denominator;
    if (2 * std::llabs(remainder) < denominator)
        return quotient;
    return numerator < 0 ? quotient - 1 : quotient + 1;
}

// Negative amounts, which the fields refuse, count as none.
std::int64_t extraDueIn(const ExtraPayments& extras, std::int32_t period) {
    const auto held = [](std::int64_t cents) {
        return std::clamp<std::int64_t>(cents, 0, kMaxExtraCents);
    };
    return held(extras.perPeriodCents) +
           (period == extras.lumpPeriod ? held(extras.lumpSumCents) : 0);
}

template <typename Money>
void addToTotals(Schedule<Money>& schedule, const ScheduleRow<Money>& row) {
    schedule.rows.push_back(row);
    schedule.totals.payment += row.payment;
    schedule.totals.principal += row.principal;
    schedule.totals.interest += row.interest;
    schedule.totals.taxes += row.taxes;
    schedule.totals.insurance += row.insurance;
    schedule.totals.extra += row.extra;
}

template <typename Money> Schedule<Money> noSchedule(NoScheduleReason reason) {
    Schedule<Money> schedule;
    schedule.reason = reason;
    return schedule;
}

} // namespace

std::string_view noScheduleText(NoScheduleReason reason) {
    switch (reason) {
    case NoScheduleReason::None:
        return "";
    case NoScheduleReason::NoPayments:
        return QT_TRANSLATE_NOOP("paysmith::Schedule", "No schedule: the loan has no payments.");
    case NoScheduleReason::NegativePayments:
        return QT_TRANSLATE_NOOP("paysmith::Schedule",
                                 "No schedule: the number of payments is negative.");
    case NoScheduleReason::TooManyPayments:
        return QT_TRANSLATE_NOOP("paysmith::Schedule",
                                 "No schedule: a schedule has at most 32,767 payments.");
    case NoScheduleReason::NothingBorrowed:
        return QT_TRANSLATE_NOOP("paysmith::Schedule", "No schedule: nothing is borrowed.");
    case NoScheduleReason::RateTooLow:
        return QT_TRANSLATE_NOOP(
            "paysmith::Schedule",
            "No schedule: a rate of -100 % or less per period takes the whole balance.");
    case NoScheduleReason::NeverRepays:
        return QT_TRANSLATE_NOOP("paysmith::Schedule",
                                 "No schedule: the payment does not exceed the interest, so it "
                                 "never repays the balance.");
    case NoScheduleReason::OutOfRange:
        return QT_TRANSLATE_NOOP(
            "paysmith::Schedule",
            "No schedule: the amounts or the rate are too large to count in cents.");
    case NoScheduleReason::ArithmeticFault:
        return QT_TRANSLATE_NOOP("paysmith::Schedule",
                                 "No schedule: the payment cannot be computed for these inputs.");
    }
    return "";
}

bool lastPaymentStandsOut(const LenderSchedule& schedule) {
    return !schedule.rows.empty() && std::llabs(schedule.rows.back().payment - schedule.payment) >
                                         std::llabs(schedule.payment);
}

LenderSchedule lenderSchedule(const ScheduleInputs& in) {
    return lenderSchedule(in, {});
}

LenderSchedule lenderSchedule(const ScheduleInputs& in, const ExtraPayments& extras) {
    if (const NoScheduleReason reason = checkInputs(in); reason != NoScheduleReason::None)
        return noSchedule<std::int64_t>(reason);

    LenderSchedule schedule;
    schedule.periodsPerYear = periodsPerYearOf(in.frequencyIndex);
    schedule.taxes = roundedQuotient(roundCents(in.annualTaxes), schedule.periodsPerYear);
    schedule.insurance = roundedQuotient(roundCents(in.annualInsurance), schedule.periodsPerYear);

    // The periodic rate is rateMillionths / denominator: percent to fraction
    // is 1/100, ten-thousandths of a percent another 1/10,000.
    const std::int64_t rateMillionths = std::llround(in.annualRatePercent * 10'000.0L);
    const std::int64_t denominator = 1'000'000LL * rateDivisor(in.frequencyIndex);
    const auto interestOn = [&](std::int64_t balance) {
        return roundedQuotient(balance * rateMillionths, denominator);
    };

    const std::int64_t amount = roundCents(in.amount);
    if (rateMillionths == 0) {
        schedule.payment = roundedQuotient(amount, in.payments);
    } else {
        try {
            schedule.payment = roundCents(
                CalcPayment(in.payments, in.frequencyIndex, in.annualRatePercent, in.amount));
        } catch (const EMathError&) {
            return noSchedule<std::int64_t>(NoScheduleReason::ArithmeticFault);
        }
    }
    if (in.payments > 1 && schedule.payment <= interestOn(amount))
        return noSchedule<std::int64_t>(NoScheduleReason::NeverRepays);

    schedule.rows.reserve(static_cast<std::size_t>(in.payments));
    std::int64_t balance = amount;
    for (std::int32_t period = 1; period <= in.payments; ++period) {
        const std::int64_t interest = interestOn(balance);
        const std::int64_t extraDue = extraDueIn(extras, period);
        const std::int64_t due = schedule.payment + extraDue;
        const bool last = period == in.payments || due >= balance + interest;
        const std::int64_t payment = last ? balance + interest : due;
        // What the contract alone bills at this balance; the rest is extra.
        // Its last payment takes all that is left, extras or not.
        const std::int64_t billed =
            period == in.payments ? payment : std::min(schedule.payment, balance + interest);
        const std::int64_t extra = payment - billed;
        balance -= payment - interest;
        addToTotals(schedule, {payment, payment - interest, interest, schedule.taxes,
                               schedule.insurance, balance, extra});
        if (last)
            break;
    }
    return schedule;
}

FormulaSchedule formulaSchedule(const ScheduleInputs& in) {
    if (const NoScheduleReason reason = checkInputs(in); reason != NoScheduleReason::None)
        return noSchedule<double>(reason);

    FormulaSchedule schedule;
    schedule.periodsPerYear = periodsPerYearOf(in.frequencyIndex);
    LoanState state;
    state.FrequencyIndex = in.frequencyIndex;
    state.PeriodsPerYear = schedule.periodsPerYear;
    LoanResults results;
    try {
        results = evaluateLoan(state, {in.amount, in.annualRatePercent, in.payments, 0.0,
                                       in.annualTaxes, in.annualInsurance});
        schedule.payment =
            CalcPayment(in.payments, in.frequencyIndex, in.annualRatePercent, in.amount);
    } catch (const EMathError&) {
        return noSchedule<double>(NoScheduleReason::ArithmeticFault);
    }
    const double rate = in.annualRatePercent / 100.0 / rateDivisor(in.frequencyIndex);
    if (schedule.payment <= in.amount * rate)
        return noSchedule<double>(NoScheduleReason::NeverRepays);
    schedule.taxes = in.annualTaxes / schedule.periodsPerYear;
    schedule.insurance = in.annualInsurance / schedule.periodsPerYear;

    schedule.rows.reserve(static_cast<std::size_t>(in.payments));
    double balance = in.amount;
    for (std::int32_t period = 1; period <= in.payments; ++period) {
        const double interest = balance * rate;
        balance -= schedule.payment - interest;
        addToTotals(schedule, {schedule.payment, schedule.payment - interest, interest,
                               schedule.taxes, schedule.insurance, balance});
    }
    // The totals are the panel's, which the rows' sums match only to the
    // last bits.
    schedule.totals = {schedule.payment * in.payments, in.amount, results.totalInterest,
                       results.totalTaxes, results.totalInsurance};
    return schedule;
}

} // namespace paysmith
