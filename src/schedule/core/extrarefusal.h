#pragma once

#include "schedule/core/extrapayments.h"
#include "schedule/core/schedule.h"

#include <optional>
#include <string_view>

namespace paysmith {

// Why extra payments are refused, each at the field it names.
enum class ExtraRefusal {
    NegativePerPeriod, // the extra per period
    NegativeLumpSum,   // the lump sum
    // The extra per period: the first payment with it, without the lump sum,
    // already clears the amount and its first interest, so the loan would end
    // at once and no schedule of extras is left to show.
    RepaysAtOnce,
    // The lump sum's period: a lump sum above 0 must fall from the first
    // period to the last of the schedule with the extra per period, for a
    // lump sum past that end would never be paid. A lump sum of 0 takes any
    // period.
    LumpPeriodOutsideSchedule,
};

// The English text of a refusal; the widgets translate it.
std::string_view extraRefusalText(ExtraRefusal refusal);

// Negative amounts are refused whatever the loan; the rest only where the
// loan has a schedule, since without one the extras change nothing.
std::optional<ExtraRefusal> refusalOfExtras(const ScheduleInputs& inputs,
                                            const ExtraPayments& extras);

} // namespace paysmith
