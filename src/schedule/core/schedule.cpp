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
void addToTotals(Schedule<Money>& schedule, const ScheduleRow<Money>& row, bool keepRow = true) {
    if (keepRow)
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

// What the lender's contract bills, in cents: the periodic rate is
// rateMillionths / denominator (percent to fraction is 1/100, ten-thousandths
// of a percent another 1/10,000), so every period is exact integer arithmetic.
struct Contract {
    NoScheduleReason reason = NoScheduleReason::None;
    std::int64_t amount = 0;
    std::int64_t payment = 0;
    std::int64_t rateMillionths = 0;
    std::int64_t denominator = 1;

    std::int64_t interestOn(std::int64_t balance) const {
        return roundedQuotient(balance * rateMillionths, denominator);
    }
};

Contract contractOf(const ScheduleInputs& in) {
    Contract contract;
    contract.reason = checkInputs(in);
    if (contract.reason != NoScheduleReason::None)
        return contract;
    contract.rateMillionths = std::llround(in.annualRatePercent * 10'000.0L);
    contract.denominator = 1'000'000LL * rateDivisor(in.frequencyIndex);
    contract.amount = roundCents(in.amount);
    if (contract.rateMillionths == 0) {
        contract.payment = roundedQuotient(contract.amount, in.payments);
    } else {
        try {
            contract.payment = roundCents(
                CalcPayment(in.payments, in.frequencyIndex, in.annualRatePercent, in.amount));
        } catch (const EMathError&) {
            contract.reason = NoScheduleReason::ArithmeticFault;
            return contract;
        }
    }
    if (in.payments > 1 && contract.payment <= contract.interestOn(contract.amount))
        contract.reason = NoScheduleReason::NeverRepays;
    return contract;
}

} // namespace

NoScheduleWords noScheduleWords(WhichLoan loan, const ScheduleInputs& in, NoScheduleReason reason) {
    NoScheduleWords words;
    words.loanNumber = numberOf(loan);
    switch (reason) {
    case NoScheduleReason::None:
        return words;
    case NoScheduleReason::NoPayments:
        words.pattern =
            QT_TRANSLATE_NOOP("paysmith::Schedule", "Loan %1 has no schedule: it has no payments.");
        return words;
    case NoScheduleReason::NegativePayments:
        words.pattern = QT_TRANSLATE_NOOP(
            "paysmith::Schedule", "Loan %1 has no schedule: its number of payments is negative.");
        return words;
    case NoScheduleReason::TooManyPayments:
        words.pattern = QT_TRANSLATE_NOOP(
            "paysmith::Schedule",
            "Loan %1 has no schedule: it has more payments than the 32,767 a schedule holds.");
        return words;
    case NoScheduleReason::NothingBorrowed:
        words.pattern = QT_TRANSLATE_NOOP("paysmith::Schedule",
                                          "Loan %1 has no schedule: nothing is borrowed.");
        return words;
    case NoScheduleReason::RateTooLow:
        words.pattern = QT_TRANSLATE_NOOP("paysmith::Schedule",
                                          "Loan %1 has no schedule: its rate of -100 % or less per "
                                          "period takes the whole balance.");
        return words;
    case NoScheduleReason::OutOfRange:
        words.pattern = QT_TRANSLATE_NOOP(
            "paysmith::Schedule",
            "Loan %1 has no schedule: its amounts or its rate are too large to count in cents.");
        return words;
    case NoScheduleReason::ArithmeticFault:
        words.pattern = QT_TRANSLATE_NOOP(
            "paysmith::Schedule",
            "Loan %1 has no schedule: its payment cannot be computed from these inputs.");
        return words;
    case NoScheduleReason::NeverRepays:
        break;
    }
    const Contract contract = contractOf(in);
    const std::int64_t interest = contract.interestOn(contract.amount);
    words.cents = {contract.payment, interest};
    words.figures = 2;
    if (contract.payment <= 0) {
        // Too little borrowed to share out in whole cents.
        words.pattern = QT_TRANSLATE_NOOP(
            "paysmith::Schedule",
            "Loan %1 has no schedule: its payment rounds to %2, which never repays the balance.");
        words.figures = 1;
    } else if (contract.payment < interest) {
        words.pattern = QT_TRANSLATE_NOOP("paysmith::Schedule",
                                          "Loan %1 has no schedule: its payment, %2, does not "
                                          "cover the interest of the first period, %3.");
    } else {
        words.pattern = QT_TRANSLATE_NOOP(
            "paysmith::Schedule",
            "Loan %1 has no schedule: its payment, %2, only pays the interest of the first "
            "period, %3, so it never repays the balance.");
    }
    return words;
}

bool lastPaymentStandsOut(const LenderSchedule& schedule) {
    return !schedule.rows.empty() && std::llabs(schedule.rows.back().payment - schedule.payment) >
                                         std::llabs(schedule.payment);
}

LenderSchedule lenderSchedule(const ScheduleInputs& in) {
    return lenderSchedule(in, {});
}

namespace {

// Without `keepRows`, only the figures and totals: `periods` counts the rows
// either way.
LenderSchedule lenderOf(const ScheduleInputs& in, const ExtraPayments& extras, bool keepRows,
                        std::int32_t& periods) {
    periods = 0;
    const Contract contract = contractOf(in);
    if (contract.reason != NoScheduleReason::None)
        return noSchedule<std::int64_t>(contract.reason);

    LenderSchedule schedule;
    schedule.periodsPerYear = periodsPerYearOf(in.frequencyIndex);
    schedule.taxes = roundedQuotient(roundCents(in.annualTaxes), schedule.periodsPerYear);
    schedule.insurance = roundedQuotient(roundCents(in.annualInsurance), schedule.periodsPerYear);
    schedule.payment = contract.payment;

    if (keepRows)
        schedule.rows.reserve(static_cast<std::size_t>(in.payments));
    std::int64_t balance = contract.amount;
    for (std::int32_t period = 1; period <= in.payments; ++period) {
        const std::int64_t interest = contract.interestOn(balance);
        const std::int64_t owed = balance + interest;
        // The contract's last payment takes all that is left, extras or not;
        // before it the bill is the regular payment, or what is owed if less.
        const std::int64_t billed = period == in.payments ? owed : std::min(schedule.payment, owed);
        const std::int64_t extra = std::min(extraDueIn(extras, period), owed - billed);
        balance = owed - billed - extra;
        addToTotals(schedule,
                    {billed, billed - interest, interest, schedule.taxes, schedule.insurance,
                     balance, extra},
                    keepRows);
        ++periods;
        if (balance == 0)
            break;
    }
    return schedule;
}

} // namespace

LenderSchedule lenderSchedule(const ScheduleInputs& in, const ExtraPayments& extras) {
    std::int32_t periods = 0;
    return lenderOf(in, extras, true, periods);
}

std::int32_t lenderPeriods(const ScheduleInputs& in, const ExtraPayments& extras) {
    std::int32_t periods = 0;
    return lenderOf(in, extras, false, periods).exists() ? periods : 0;
}

LenderSchedule lenderFigures(const ScheduleInputs& in, std::int32_t& periods) {
    return lenderOf(in, {}, false, periods);
}

namespace {

// The totals are the panel's, which the rows' sums match only to the last
// bits.
FormulaSchedule withTotalsOf(FormulaSchedule schedule, const ScheduleInputs& in,
                             const LoanResults& results) {
    schedule.totals = {schedule.payment * in.payments, in.amount, results.totalInterest,
                       results.totalTaxes, results.totalInsurance};
    return schedule;
}

FormulaSchedule formulaOf(const ScheduleInputs& in, bool withRows) {
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

    if (!withRows)
        return withTotalsOf(schedule, in, results);
    schedule.rows.reserve(static_cast<std::size_t>(in.payments));
    double balance = in.amount;
    for (std::int32_t period = 1; period <= in.payments; ++period) {
        const double interest = balance * rate;
        balance -= schedule.payment - interest;
        addToTotals(schedule, {schedule.payment, schedule.payment - interest, interest,
                               schedule.taxes, schedule.insurance, balance});
    }
    return withTotalsOf(schedule, in, results);
}

} // namespace

FormulaSchedule formulaSchedule(const ScheduleInputs& inputs) {
    return formulaOf(inputs, true);
}

FormulaSchedule formulaFigures(const ScheduleInputs& inputs) {
    return formulaOf(inputs, false);
}

} // namespace paysmith
