#include "compare/core/costseries.h"

namespace paysmith {

std::vector<CostPoint> costSoFarSeries(const std::optional<CostPath>& path) {
    if (!path)
        return {};
    const auto point = [&](std::int32_t payment) {
        return CostPoint{path->yearsAt(payment), path->cost[static_cast<std::size_t>(payment)]};
    };
    const std::int32_t last = path->payments();
    const auto step =
        static_cast<std::int32_t>(static_cast<std::size_t>(last) / kMaxCostPoints + 1);
    std::vector<CostPoint> points{point(0)};
    for (std::int32_t k = step; k <= last; k += step)
        points.push_back(point(k));
    if (last % step != 0)
        points.push_back(point(last));
    return points;
}

} // namespace paysmith
