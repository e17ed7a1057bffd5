#pragma once

#include "app/settings/inidocument.h"
#include "compare/core/comparison.h"
#include "loan/core/loanvalues.h"

#include <cstdint>
#include <optional>
#include <string>

namespace paysmith {

// One loan's inputs as the settings file keeps them between runs.
struct SavedLoanValues {
    double amount = 0.0;
    double interest = 0.0; // annual rate in percent
    std::int32_t term = 0; // number of payments
    double payment = 0.0;
    std::u16string frequency; // the frequency box's text, kept even when it is no caption
    double taxes = 0.0;
    double insurance = 0.0;

    friend bool operator==(const SavedLoanValues&, const SavedLoanValues&) = default;
};

// The main window's size when it is not maximised; all 0 for the designed
// size, which is what a file without these keys opens at.
struct SavedWindow {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool maximized = false;

    friend bool operator==(const SavedWindow&, const SavedWindow&) = default;
};

struct SavedValues {
    SavedLoanValues loan1;
    SavedLoanValues loan2;
    bool firstRunDone = false; // the key "Run"
    SavedWindow window;
    // The Compare page's entries; a span or method never chosen is not
    // written, so it keeps following the loans and the region.
    ComparisonInputs comparison;

    friend bool operator==(const SavedValues&, const SavedValues&) = default;
};

// A loan's saved inputs as the loan page takes them, and the payment it
// showed as the one shown before the next working out.
LoanEntry entryOf(const SavedLoanValues& saved);
// What the settings file keeps of a worked-out loan: its inputs, the
// frequency box's text, and the payment as the page shows it, in cents.
SavedLoanValues savedValuesOf(const LoanValues& loan);

// The built-in inputs: what a missing file or key reads as, and what Reset
// puts back (the payments matter only until the first recalculation).
SavedValues RestoreDefaults();

// Every key missing from `document`, or not converting, reads as its default.
SavedValues readSavedValues(const IniDocument& document, char16_t decimalSeparator);

// Whether `document` holds any key the program writes, in the section it
// writes it there; a document without one is no settings file of the program.
bool holdsSavedValues(const IniDocument& document);

// The span kept as `document` holds it when it is one that reading refuses
// (below kMinKeepYears), so that the comparison follows the loans instead.
std::optional<double> refusedKeepYears(const IniDocument& document, char16_t decimalSeparator);

// Sets every key of the program, in the file's documented order, leaving all
// other lines of `document` as they were.
void writeSavedValues(IniDocument& document, const SavedValues& values, char16_t decimalSeparator);

} // namespace paysmith
