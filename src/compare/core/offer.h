#pragma once

#include "schedule/core/extrapayments.h"
#include "schedule/core/schedule.h"

#include <cstdint>
#include <optional>

namespace paysmith {

// A loan as a lender offers it: the schedule's inputs and what the borrower
// pays at closing. Both fees and points are finance charges; taxes and
// insurance are not. The borrower's extra payments shorten the schedule that
// the costs follow, but not the contract that the APR discloses.
struct Offer {
    ScheduleInputs loan;
    double fees = 0.0;          // currency
    double pointsPercent = 0.0; // percent of the amount
    ExtraPayments extras{};
};

// Fees plus points in whole cents; empty when either is not a finite amount
// that cents can hold. Negative figures are lender credits and count as such.
std::optional<std::int64_t> closingCents(const Offer& offer);

} // namespace paysmith
