#include "loan/core/loanvalues.h"

#include "loan/core/termtext.h"

namespace paysmith {

LoanState startingState(const LoanEntry& saved) {
    LoanState state;
    state.Amount = saved.amount;
    state.Interest = saved.annualRatePercent;
    state.Term = saved.payments;
    state.Payment = saved.payment;
    if (const auto index = frequencyIndexOf(saved.frequency, CaptionSet::ListCaptionsOnly))
        state.FrequencyIndex = *index;
    return state;
}

LoanValues startWorkingOut(LoanState& state, const LoanEntry& entry, char16_t decimalMark) {
    if (const auto index = frequencyIndexOf(entry.frequency))
        state.FrequencyIndex = *index;
    state.PeriodsPerYear = periodsPerYearOf(state.FrequencyIndex);

    LoanValues values;
    values.entry = entry;
    values.frequencyIndex = state.FrequencyIndex;
    values.periodsPerYear = state.PeriodsPerYear;
    values.term = termText(entry.payments, state.PeriodsPerYear, decimalMark);
    return values;
}

void finishWorkingOut(LoanState& state, LoanValues& values) {
    LoanInputs inputs;
    inputs.amount = values.entry.amount;
    inputs.annualRatePercent = values.entry.annualRatePercent;
    inputs.payments = values.entry.payments;
    inputs.payment = values.entry.payment;
    inputs.annualTaxes = values.entry.annualTaxes;
    inputs.annualInsurance = values.entry.annualInsurance;
    values.results = evaluateLoan(state, inputs);
}

} // namespace paysmith
