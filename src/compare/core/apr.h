#pragma once

#include "compare/core/offer.h"

#include <cstdint>
#include <optional>

namespace paysmith {

// Equal payments, one a period, the first a period after the advance: the
// cash flows both regulations discount. Money in whole cents.
struct LevelPayments {
    std::int64_t amountFinancedCents = 0;
    std::int64_t paymentCents = 0;
    std::int32_t count = 0;
    std::int32_t periodsPerYear = 0;
};

// Both rates come from the one rate per period i that makes the payments'
// present value the amount financed.
struct AnnualRates {
    // United States, Regulation Z, Appendix J (actuarial method): the unit
    // period is the payment period and the APR is i × periods a year.
    double aprPercent = 0.0;
    // European Union, consumer credit and mortgage credit directives, Annex I:
    // payment k falls k/p years after the advance, so 1 + X = (1 + i)^p.
    double aprcPercent = 0.0;
};

// The amount less fees and points, and the payment (principal and interest)
// rounded to the cent as the lender's schedule bills it, for every one of
// the loan's payments; extra payments are the borrower's choice and no part
// of them. Empty when the loan has no schedule or its closing
// costs cannot be counted.
std::optional<LevelPayments> levelPaymentsOf(const Offer& offer);
// The same with the loan's lender's schedule without extras, already worked out.
std::optional<LevelPayments> levelPaymentsOf(const Offer& offer, const LenderSchedule& contract);

// Empty when nothing is financed, nothing is paid back, or a rate would not
// be a finite number.
std::optional<AnnualRates> annualRatesOf(const LevelPayments& flows);
std::optional<AnnualRates> annualRatesOf(const Offer& offer);

} // namespace paysmith
