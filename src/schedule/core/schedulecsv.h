#pragma once

#include "schedule/core/schedule.h"

#include <string>

namespace paysmith {

// Cents as a decimal number with a point and no grouping: "-1234.05".
std::string centsText(std::int64_t cents);
// A number rounded half away from zero to `places` decimals, written the
// same way.
std::string roundedText(double value, int places);

// The loan's inputs a line each and a blank line, then the header line, one
// line per period and a line of totals of the lender's schedule, whatever the
// locale, so that every spreadsheet reads it. Empty for no schedule.
// With extra payments, a column of the extra paid beside each payment follows
// the payment's; payment and principal are then without it.
std::string scheduleCsv(const ScheduleInputs& inputs, const ExtraPayments& extras = {});
// The same of the loan's lender's schedule with `extras`, already worked out.
std::string scheduleCsv(const ScheduleInputs& inputs, const ExtraPayments& extras,
                        const LenderSchedule& schedule);

} // namespace paysmith
