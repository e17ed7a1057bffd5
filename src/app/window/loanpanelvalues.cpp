#include "app/window/loanpanelvalues.h"

#include "app/settings/savedvalues.h"
#include "base/qt/qtstrings.h"
#include "loan/panel/loanpanel.h"
#include "numfield/widget/numericfield.h"

namespace paysmith {

void showSavedInputs(LoanPanel& panel, const SavedLoanValues& values, SavedInputs which) {
    const LoanControls& controls = panel.controls();
    controls.amount->setFloatValue(values.amount);
    controls.rate->setFloatValue(values.interest);
    controls.payments->setIntegerValue(values.term);
    panel.setFrequencyText(toQString(values.frequency));
    if (which == SavedInputs::All) {
        controls.annualTaxes->setFloatValue(values.taxes);
        controls.annualInsurance->setFloatValue(values.insurance);
    }
}

SavedLoanValues savedValuesOf(const LoanPanel& panel) {
    const LoanState& state = panel.state();
    SavedLoanValues values;
    values.amount = state.Amount;
    values.interest = state.Interest;
    values.term = state.Term;
    // The payment shown, which belongs to the saved inputs; the state holds
    // the one read before the last recalculation.
    values.payment = panel.controls().payment->FloatValue();
    values.frequency = toU16String(panel.frequencyText());
    values.taxes = panel.controls().annualTaxes->FloatValue();
    values.insurance = panel.controls().annualInsurance->FloatValue();
    return values;
}

} // namespace paysmith
