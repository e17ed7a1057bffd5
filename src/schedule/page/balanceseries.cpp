#include "schedule/page/balanceseries.h"

#include "figures/kit/yearschart.h"

namespace paysmith {

std::vector<QPointF> balanceSeries(const LenderSchedule& schedule) {
    const auto& rows = schedule.rows;
    if (rows.empty() || schedule.periodsPerYear <= 0)
        return {};
    const auto point = [&](std::size_t period, std::int64_t cents) {
        return QPointF(static_cast<double>(period) / schedule.periodsPerYear,
                       static_cast<double>(cents) / 100.0);
    };
    std::vector<QPointF> points{point(0, schedule.totals.repaid())};
    const std::size_t step = rows.size() / YearsChartWidget::kMaxPoints + 1;
    for (std::size_t k = step - 1; k < rows.size(); k += step)
        points.push_back(point(k + 1, rows[k].balance));
    if (rows.size() % step != 0)
        points.push_back(point(rows.size(), rows.back().balance));
    return points;
}

} // namespace paysmith
