#pragma once

#include "schedule/core/summary.h"

#include <memory>

namespace paysmith {

// Where both loans' schedules are kept worked out, for a view that shows them
// and is told when they change.
class LoanSchedulesSource {
  public:
    // Loan 0 or 1, shared so that a view may keep it while the loans change.
    virtual std::shared_ptr<const LoanSchedules> schedulesOf(int loan) const = 0;

  protected:
    ~LoanSchedulesSource() = default;
};

} // namespace paysmith
