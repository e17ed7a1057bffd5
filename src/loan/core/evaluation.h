#pragma once

#include <cstdint>

namespace paysmith {

// What one loan remembers between recalculations.
struct LoanState {
    double Amount = 0.0;
    double Interest = 0.0; // annual rate in percent
    std::int32_t Term = 0; // number of payments
    double Payment = 0.0;  // the payment field's value when the evaluation began
    std::int32_t FrequencyIndex = 0;
    std::int32_t PeriodsPerYear = 0;
};

struct LoanInputs {
    double amount = 0.0;
    double annualRatePercent = 0.0;
    std::int32_t payments = 0;
    double payment = 0.0; // what the payment field holds before the evaluation
    double annualTaxes = 0.0;
    double annualInsurance = 0.0;
};

struct LoanResults {
    double payment = 0.0; // principal, interest, taxes and insurance per period
    double totalPaid = 0.0;
    double totalInterest = 0.0;
    double totalTaxes = 0.0;
    double totalInsurance = 0.0;

    friend bool operator==(const LoanResults&, const LoanResults&) = default;
};

// Evaluates one loan. The inputs are stored in `state` before anything is
// computed, so the state holds them even when the arithmetic throws an
// EMathError. Requires state.PeriodsPerYear >= 1. Nothing is rounded.
LoanResults evaluateLoan(LoanState& state, const LoanInputs& inputs);

} // namespace paysmith
