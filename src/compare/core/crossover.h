#pragma once

#include "compare/core/costpath.h"
#include "loan/core/whichloan.h"

#include <optional>
#include <vector>

namespace paysmith {

// A lasting change of lead: from `years` on the offer `cheaper` has the lower
// cost so far, and keeps it for at least a year or to the end of the longer
// loan.
struct Crossing {
    double years = 0.0;
    WhichLoan cheaper = WhichLoan::Loan1;

    friend bool operator==(const Crossing&, const Crossing&) = default;
};

// Which of two offers has the lower cost so far (fees + points + interest
// paid, each loan's payment k counted at k/p years) over the years.
struct Crossover {
    // The one with the smaller fees + points. When those are equal, the one
    // that is cheaper at the first payment date at which the costs so far
    // differ, which for two loans paid on the same dates is the one cheaper
    // after the first payment; Loan 1 when they never differ.
    WhichLoan cheaperAtStart = WhichLoan::Loan1;
    // Every lasting change of lead, in order, each to the other offer than
    // the one before. A lead taken at a payment date and lost again within a
    // year does not count: the step curves of loans paid at different
    // frequencies trade places every few weeks while their trends are close.
    // Costs that only meet do not cross, so equal offers never do.
    std::vector<Crossing> crossings;

    // The offer with the lasting lead `years` after closing.
    WhichLoan cheaperAt(double years) const;
};

// Empty when either offer has no cost path: no schedule, or closing costs that
// cannot be counted.
std::optional<Crossover> crossoverOf(const std::optional<CostPath>& path1,
                                     const std::optional<CostPath>& path2);

} // namespace paysmith
