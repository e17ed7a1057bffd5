#pragma once

#include "compare/core/costpath.h"

#include <cstdint>
#include <optional>

namespace paysmith {

// An offer kept for some years, then repaid or refinanced.
struct KeptCost {
    std::int32_t periods = 0;
    // Fees + points + the interest of the lender's schedule in those periods.
    std::int64_t costCents = 0;
    // Still owed after them.
    std::int64_t balanceCents = 0;
};

// The periods kept are round(years × periods a year), held between none and
// the schedule's last payment. Empty when the offer has no cost path (no
// schedule, or closing costs that cannot be counted) or `years` is not a
// number.
std::optional<KeptCost> costIfKept(const std::optional<CostPath>& path, double years);

} // namespace paysmith
