#include "schedule/core/inputlines.h"

namespace paysmith {

std::array<InputLine, kInputLines> inputLines(const ScheduleInputs& in) {
    // In the order of the loan page's fields.
    return {{{"Amount borrowed", InputKind::Money, in.amount},
             {"Payment frequency", InputKind::Frequency, static_cast<double>(in.frequencyIndex)},
             {"Number of payments", InputKind::Count, static_cast<double>(in.payments)},
             {"Annual interest rate %", InputKind::RatePercent, in.annualRatePercent},
             {"Annual taxes", InputKind::Money, in.annualTaxes},
             {"Annual insurance", InputKind::Money, in.annualInsurance}}};
}

} // namespace paysmith
