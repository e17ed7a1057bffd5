#pragma once

namespace paysmith {

class LoanPanel;
struct SavedLoanValues;

// Which of a loan's inputs a restore puts back: the error handler leaves the
// taxes and insurance as they were, start-up and Reset put back all of them.
enum class SavedInputs { Main, All };

// Shows saved inputs in the panel's fields and frequency box. The panel's
// remembered state is left alone: the next recalculation reads the fields.
void showSavedInputs(LoanPanel& panel, const SavedLoanValues& values, SavedInputs which);

// What the settings file keeps of a panel: the inputs of its last
// recalculation and the payment worked out from them, the frequency box's
// text, and its taxes and insurance.
SavedLoanValues savedValuesOf(const LoanPanel& panel);

} // namespace paysmith
