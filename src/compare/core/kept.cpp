#include "compare/core/kept.h"

#include <algorithm>
#include <cmath>

namespace paysmith {

std::optional<KeptCost> costIfKept(const std::optional<CostPath>& path, double years) {
    if (!path || std::isnan(years))
        return std::nullopt;
    // Clamped before the conversion: a huge or infinite span is the whole term.
    const double wanted = std::round(years * path->periodsPerYear);
    const auto periods =
        static_cast<std::int32_t>(std::clamp(wanted, 0.0, static_cast<double>(path->payments())));
    const auto k = static_cast<std::size_t>(periods);
    return KeptCost{periods, path->cost[k], path->balance[k]};
}

} // namespace paysmith
