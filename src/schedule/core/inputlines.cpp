#include "schedule/core/inputlines.h"

#include "base/text/translatable.h"

namespace paysmith {

std::array<InputLine, kInputLines> inputLines(const ScheduleInputs& in) {
    // In the order of the loan page's fields.
    return {{{QT_TRANSLATE_NOOP("paysmith::ScheduleDocument", "Amount borrowed"), InputKind::Money,
              in.amount},
             {QT_TRANSLATE_NOOP("paysmith::ScheduleDocument", "Payment frequency"),
              InputKind::Frequency, static_cast<double>(in.frequencyIndex)},
             {QT_TRANSLATE_NOOP("paysmith::ScheduleDocument", "Number of payments"),
              InputKind::Count, static_cast<double>(in.payments)},
             {QT_TRANSLATE_NOOP("paysmith::ScheduleDocument", "Annual interest rate %"),
              InputKind::RatePercent, in.annualRatePercent},
             {QT_TRANSLATE_NOOP("paysmith::ScheduleDocument", "Annual taxes"), InputKind::Money,
              in.annualTaxes},
             {QT_TRANSLATE_NOOP("paysmith::ScheduleDocument", "Annual insurance"), InputKind::Money,
              in.annualInsurance}}};
}

} // namespace paysmith
