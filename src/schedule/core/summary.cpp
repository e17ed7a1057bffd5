#include "schedule/core/summary.h"

#include "base/text/translatable.h"

namespace paysmith {

namespace {

using Figure = std::optional<double>;

struct Figures {
    Figure payment;
    Figure totalInterest;
    Figure totalPaid;
    Figure costPerYear;
};

Figures figuresOf(const FormulaSchedule& s) {
    if (!s.exists())
        return {};
    return {s.fullPayment(), s.totals.interest, s.totals.paid(), s.costPerYear()};
}

Figures figuresOf(const LenderSchedule& s) {
    if (!s.exists())
        return {};
    const auto units = [](std::int64_t cents) { return static_cast<double>(cents) / 100.0; };
    return {units(s.fullPayment()), units(s.totals.interest), units(s.totals.paid()),
            units(s.costPerYear())};
}

Figure minus(Figure a, Figure b) {
    if (!a || !b)
        return {};
    return *a - *b;
}

SummaryLine line(const char* caption, Figure loan1, Figure loan2) {
    return {caption, loan1, loan2, minus(loan2, loan1)};
}

} // namespace

LoanSchedules loanSchedules(const ScheduleInputs& inputs, const ExtraPayments& extras) {
    LoanSchedules schedules{inputs, extras, lenderSchedule(inputs, extras),
                            {},     0,      formulaFigures(inputs)};
    if (extras.any()) {
        schedules.contract = lenderFigures(inputs, schedules.contractPeriods);
    } else {
        // Without extras the lender's schedule is the contract's.
        const LenderSchedule& lender = schedules.lender;
        schedules.contract = {lender.reason, lender.periodsPerYear, lender.payment,
                              lender.taxes,  lender.insurance,      {},
                              lender.totals};
        schedules.contractPeriods = static_cast<std::int32_t>(lender.rows.size());
    }
    return schedules;
}

LastPaymentNote lastPaymentNote(const LoanSchedules& loan) {
    const LenderSchedule& lender = loan.lender;
    if (!lender.exists() || lender.rows.empty())
        return {};
    const ScheduleRow<std::int64_t>& last = lender.rows.back();
    LastPaymentNote note{LastPaymentCause::None, last.payment + last.extra, lender.payment,
                         static_cast<std::int32_t>(lender.rows.size()), loan.contractPeriods};
    if (note.periods < note.contractPeriods) {
        // The lump sum counts when it fell within the schedule; the extras
        // ended it, so rounding never reached the contract's last period.
        const bool perPeriod = loan.extras.perPeriodCents > 0;
        const bool lump = loan.extras.lumpSumCents > 0 && loan.extras.lumpPeriod >= 1 &&
                          loan.extras.lumpPeriod <= note.periods;
        note.cause = perPeriod && lump ? LastPaymentCause::ExtraPaymentsAndLumpSum
                     : lump            ? LastPaymentCause::LumpSum
                                       : LastPaymentCause::ExtraPayments;
    } else if (lastPaymentStandsOut(lender)) {
        note.cause = LastPaymentCause::Rounding;
    }
    return note;
}

std::array<SummaryLine, kSummaryLines> summaryLines(const LoanSchedules& loan1,
                                                    const LoanSchedules& loan2) {
    const Figures f1 = figuresOf(loan1.formula);
    const Figures f2 = figuresOf(loan2.formula);
    const Figures l1 = figuresOf(loan1.contract);
    const Figures l2 = figuresOf(loan2.contract);
    const auto triple = [&](const char* formula, const char* lender, const char* excess,
                            Figure Figures::*figure) {
        return std::array<SummaryLine, 3>{
            line(formula, f1.*figure, f2.*figure), line(lender, l1.*figure, l2.*figure),
            line(excess, minus(l1.*figure, f1.*figure), minus(l2.*figure, f2.*figure))};
    };
    constexpr const char* kExcess =
        QT_TRANSLATE_NOOP("paysmith::SchedulePage", "Lender's − formula");
    const auto payment = triple(
        QT_TRANSLATE_NOOP("paysmith::SchedulePage", "Payment with taxes and insurance, formula"),
        QT_TRANSLATE_NOOP("paysmith::SchedulePage", "Payment with taxes and insurance, lender's"),
        kExcess, &Figures::payment);
    const auto interest =
        triple(QT_TRANSLATE_NOOP("paysmith::SchedulePage", "Total interest, formula"),
               QT_TRANSLATE_NOOP("paysmith::SchedulePage", "Total interest, lender's"), kExcess,
               &Figures::totalInterest);
    const auto paid = triple(QT_TRANSLATE_NOOP("paysmith::SchedulePage", "Total paid, formula"),
                             QT_TRANSLATE_NOOP("paysmith::SchedulePage", "Total paid, lender's"),
                             kExcess, &Figures::totalPaid);
    return {payment[0],
            payment[1],
            payment[2],
            interest[0],
            interest[1],
            interest[2],
            paid[0],
            paid[1],
            paid[2],
            line(QT_TRANSLATE_NOOP("paysmith::SchedulePage", "Cost per year, formula"),
                 f1.costPerYear, f2.costPerYear),
            line(QT_TRANSLATE_NOOP("paysmith::SchedulePage", "Cost per year, lender's"),
                 l1.costPerYear, l2.costPerYear)};
}

} // namespace paysmith
