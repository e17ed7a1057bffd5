#include "compare/core/costpath.h"

namespace paysmith {

std::optional<CostPath> costPathOf(const Offer& offer) {
    return costPathOf(offer, lenderSchedule(offer.loan, offer.extras));
}

std::optional<CostPath> costPathOf(const Offer& offer, const LenderSchedule& schedule) {
    const std::optional<std::int64_t> closing = closingCents(offer);
    if (!closing || !schedule.exists())
        return std::nullopt;
    CostPath path;
    path.periodsPerYear = schedule.periodsPerYear;
    path.cost.reserve(schedule.rows.size() + 1);
    path.balance.reserve(schedule.rows.size() + 1);
    path.cost.push_back(*closing);
    path.balance.push_back(schedule.totals.repaid());
    for (const ScheduleRow<std::int64_t>& row : schedule.rows) {
        path.cost.push_back(path.cost.back() + row.interest);
        path.balance.push_back(row.balance);
    }
    return path;
}

} // namespace paysmith
