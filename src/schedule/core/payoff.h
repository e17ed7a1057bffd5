#pragma once

#include "schedule/core/extrapayments.h"
#include "schedule/core/schedule.h"

#include <cstdint>
#include <optional>

namespace paysmith {

// A loan paid off with extra payments, against the lender's schedule without
// them. Money in whole cents.
struct PayoffSummary {
    std::int32_t periods = 0;
    std::int32_t periodsPerYear = 0;
    std::int64_t lastPaymentCents = 0; // principal and interest, with its extra
    std::int64_t totalInterestCents = 0;
    // The schedule's interest without the extras less that with them.
    std::int64_t interestSavedCents = 0;

    double years() const { return static_cast<double>(periods) / periodsPerYear; }
    bool operator==(const PayoffSummary&) const = default;
};

// Without extras, the lender's own figures and a saving of 0. Empty when the
// loan has no schedule.
std::optional<PayoffSummary> payoffOf(const ScheduleInputs& inputs, const ExtraPayments& extras);
// The same of the loan's schedules without the extras and with them.
std::optional<PayoffSummary> payoffOf(const LenderSchedule& without, const LenderSchedule& with);

} // namespace paysmith
