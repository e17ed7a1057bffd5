#pragma once

#include "loan/core/whichloan.h"
#include "schedule/core/summary.h"

#include <memory>

namespace paysmith {

// Where both loans' schedules are kept worked out, for a view that shows them
// and is told when they change.
class LoanSchedulesSource {
  public:
    // Shared, so that a view may keep them while the loans change.
    virtual std::shared_ptr<const LoanSchedules> schedulesOf(WhichLoan loan) const = 0;

  protected:
    ~LoanSchedulesSource() = default;
};

} // namespace paysmith
