#pragma once

#include "loan/core/evaluation.h"
#include "loan/core/frequency.h"

#include <cstdint>
#include <string>

namespace paysmith {

// One loan's inputs as the loan page takes them.
struct LoanEntry {
    double amount = 0.0;
    // The frequency box's text: a caption, or whatever was typed there.
    std::u16string frequency;
    std::int32_t payments = 0;
    double annualRatePercent = 0.0;
    double annualTaxes = 0.0;
    double annualInsurance = 0.0;
    // The payment shown before this working out.
    double payment = 0.0;

    friend bool operator==(const LoanEntry&, const LoanEntry&) = default;
};

// One loan as it was last worked out: the inputs and what came of them. The
// loan panel publishes one after every recalculation; the schedule, the
// settings file and the report all take it, and nothing else of the panel.
struct LoanValues {
    LoanEntry entry;
    // The frequency worked out with: the one named, or, when the text names
    // none, the one in force before.
    std::int32_t frequencyIndex = kDefaultFrequencyIndex;
    std::int32_t periodsPerYear = 12;
    std::u16string term; // "30.00 years."
    LoanResults results;

    friend bool operator==(const LoanValues&, const LoanValues&) = default;
};

// What a loan remembers when it starts from inputs saved by an earlier run:
// those inputs, and their frequency when it is one of the list's.
LoanState startingState(const LoanEntry& saved);

// The first half of working a loan out: the frequency and the term. `state`
// keeps the frequency index from one working out to the next.
LoanValues startWorkingOut(LoanState& state, const LoanEntry& entry, char16_t decimalMark);

// The second half: the evaluation. An EMathError propagates, with `state`
// holding the inputs and `values` no results.
void finishWorkingOut(LoanState& state, LoanValues& values);

} // namespace paysmith
