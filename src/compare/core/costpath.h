#pragma once

#include "compare/core/offer.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace paysmith {

// An offer period by period under the lender's schedule with its extra
// payments, in whole cents.
// Index k is the moment of the k-th payment, k/periodsPerYear years after
// closing; index 0 is closing itself.
struct CostPath {
    std::int32_t periodsPerYear = 0;
    // The cost of borrowing so far: fees + points + the interest paid.
    std::vector<std::int64_t> cost;
    // The balance still owed.
    std::vector<std::int64_t> balance;

    std::int32_t payments() const { return static_cast<std::int32_t>(cost.size()) - 1; }
    double yearsAt(std::int32_t payment) const {
        return static_cast<double>(payment) / periodsPerYear;
    }
};

// Empty when the loan has no schedule or its closing costs cannot be counted.
std::optional<CostPath> costPathOf(const Offer& offer);
// The same with the offer's lender's schedule with its extras, already worked
// out.
std::optional<CostPath> costPathOf(const Offer& offer, const LenderSchedule& schedule);

} // namespace paysmith
