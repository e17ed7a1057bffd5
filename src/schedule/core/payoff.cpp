#include "schedule/core/payoff.h"

namespace paysmith {

std::optional<PayoffSummary> payoffOf(const ScheduleInputs& inputs, const ExtraPayments& extras) {
    const LenderSchedule without = lenderSchedule(inputs);
    if (!without.exists())
        return std::nullopt;
    return payoffOf(without, extras.any() ? lenderSchedule(inputs, extras) : without);
}

std::optional<PayoffSummary> payoffOf(const LenderSchedule& without, const LenderSchedule& with) {
    if (!without.exists() || !with.exists())
        return std::nullopt;
    const ScheduleRow<std::int64_t>& last = with.rows.back();
    return PayoffSummary{static_cast<std::int32_t>(with.rows.size()), with.periodsPerYear,
                         last.payment + last.extra, with.totals.interest,
                         without.totals.interest - with.totals.interest};
}

} // namespace paysmith
