#pragma once

#include "loan/core/loanvalues.h"

#include <cstdint>

namespace paysmith::testing_support {

// A monthly loan of 150,000 at `rate` percent with `payments` payments, as a
// panel publishes it; the pages work out the rest.
inline LoanValues loan(double rate, std::int32_t payments) {
    LoanValues values;
    values.entry.amount = 150000.0;
    values.entry.annualRatePercent = rate;
    values.entry.payments = payments;
    return values;
}

} // namespace paysmith::testing_support
