#include "loan/core/evaluation.h"

#include "loan/core/matherror.h"
#include "loan/core/payment.h"

#include <cassert>
#include <cmath>

namespace paysmith {

namespace {

// The sums and products of one evaluation, in a precision of choice: doubles
// for speed, extended precision to tell a real overflow from an intermediate
// one when a double result is not finite.
template <typename Real> struct Spread {
    Real taxesPerPeriod;
    Real totalTaxes;
    Real insurancePerPeriod;
    Real totalInsurance;
};

template <typename Real>
Spread<Real> spreadOverTerm(const LoanInputs& inputs, std::int32_t term, std::int32_t periods) {
    const Real years = static_cast<Real>(term) / periods;
    return {static_cast<Real>(inputs.annualTaxes) / periods,
            static_cast<Real>(inputs.annualTaxes) * years,
            static_cast<Real>(inputs.annualInsurance) / periods,
            static_cast<Real>(inputs.annualInsurance) * years};
}

template <typename Real>
LoanResults combine(double principalAndInterest, std::int32_t term, double amount,
                    const Spread<double>& spread) {
    const Real paidOverTerm = static_cast<Real>(principalAndInterest) * term;
    return {
        checkedResult(static_cast<Real>(principalAndInterest) + spread.taxesPerPeriod +
                          spread.insurancePerPeriod,
                      "the payment"),
        checkedResult(paidOverTerm + spread.totalTaxes + spread.totalInsurance, "the total paid"),
        checkedResult(paidOverTerm - amount, "the total interest"), spread.totalTaxes,
        spread.totalInsurance};
}

bool allFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

} // namespace

LoanResults evaluateLoan(LoanState& state, const LoanInputs& inputs) {
    state.Amount = inputs.amount;
    state.Interest = inputs.annualRatePercent;
    state.Term = inputs.payments;
    state.Payment = inputs.payment;

    assert(state.PeriodsPerYear >= 1);
    Spread<double> spread = spreadOverTerm<double>(inputs, state.Term, state.PeriodsPerYear);
    if (!allFinite({spread.taxesPerPeriod, spread.totalTaxes, spread.insurancePerPeriod,
                    spread.totalInsurance})) {
        const auto wide = spreadOverTerm<long double>(inputs, state.Term, state.PeriodsPerYear);
        spread = {checkedResult(wide.taxesPerPeriod, "the taxes"),
                  checkedResult(wide.totalTaxes, "the total taxes"),
                  checkedResult(wide.insurancePerPeriod, "the insurance"),
                  checkedResult(wide.totalInsurance, "the total insurance")};
    }

    const double principalAndInterest =
        CalcPayment(state.Term, state.FrequencyIndex, state.Interest, state.Amount);

    const double paidOverTerm = principalAndInterest * state.Term;
    const LoanResults results{
        principalAndInterest + spread.taxesPerPeriod + spread.insurancePerPeriod,
        paidOverTerm + spread.totalTaxes + spread.totalInsurance, paidOverTerm - state.Amount,
        spread.totalTaxes, spread.totalInsurance};
    if (allFinite({results.payment, results.totalPaid, results.totalInterest}))
        return results;
    return combine<long double>(principalAndInterest, state.Term, state.Amount, spread);
}

} // namespace paysmith
