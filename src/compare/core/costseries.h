#pragma once

#include "compare/core/costpath.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace paysmith {

struct CostPoint {
    double years = 0.0;
    std::int64_t cents = 0; // fees + points + interest paid by then
};

// As many points as the balance chart draws, whatever the term.
inline constexpr std::size_t kMaxCostPoints = 600;

// The offer's cost so far against the years for a chart: closing, then every
// step-th payment, and always the last; at most kMaxCostPoints + 2 points.
// Empty when the offer has no cost path.
std::vector<CostPoint> costSoFarSeries(const std::optional<CostPath>& path);

} // namespace paysmith
