#include "loan/evaluation.h"

#include "loan/matherror.h"
#include "loan/payment.h"

#include <cassert>

namespace paysmith {

LoanResults evaluateLoan(LoanState& state, const LoanInputs& inputs) {
    state.Amount = inputs.amount;
    state.Interest = inputs.annualRatePercent;
    state.Term = inputs.payments;
    state.Payment = inputs.payment;

    assert(state.PeriodsPerYear >= 1);
    const long double periods = state.PeriodsPerYear;
    const long double years = checkedResult(state.Term / periods, "the term in years");

    const double taxesPerPeriod = checkedResult(inputs.annualTaxes / periods, "the taxes");
    const double totalTaxes = checkedResult(inputs.annualTaxes * years, "the total taxes");
    const double insurancePerPeriod =
        checkedResult(inputs.annualInsurance / periods, "the insurance");
    const double totalInsurance =
        checkedResult(inputs.annualInsurance * years, "the total insurance");

    const double principalAndInterest =
        CalcPayment(state.Term, state.FrequencyIndex, state.Interest, state.Amount);
    const long double paidOverTerm = static_cast<long double>(principalAndInterest) * state.Term;

    LoanResults results;
    results.payment = checkedResult(static_cast<long double>(principalAndInterest) +
                                        taxesPerPeriod + insurancePerPeriod,
                                    "the payment");
    results.totalPaid =
        checkedResult(paidOverTerm + totalTaxes + totalInsurance, "the total paid");
    results.totalInterest = checkedResult(paidOverTerm - state.Amount, "the total interest");
    results.totalTaxes = totalTaxes;
    results.totalInsurance = totalInsurance;
    return results;
}

} // namespace paysmith
