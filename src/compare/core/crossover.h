#pragma once

#include "compare/core/costpath.h"

#include <optional>

namespace paysmith {

enum class WhichLoan { Loan1, Loan2 };

// Where the cost so far (fees + points + interest paid, each loan's payment k
// counted at k/p years) of the offer cheaper at the start stops being lower.
struct Crossover {
    // The one with the smaller fees + points. When those are equal, the one
    // that is cheaper at the first payment date at which the costs so far
    // differ, which for two loans paid on the same dates is the one cheaper
    // after the first payment; Loan 1 when they never differ.
    WhichLoan cheaperAtStart = WhichLoan::Loan1;
    // The first payment date at which the other offer's cost so far is
    // strictly lower. Costs that only meet do not cross, so equal offers
    // never do. Empty when it does not happen before both loans end.
    std::optional<double> years = std::nullopt;

    WhichLoan cheaperAfter() const;
};

// Empty when either offer has no cost path: no schedule, or closing costs that
// cannot be counted.
std::optional<Crossover> crossoverOf(const std::optional<CostPath>& path1,
                                     const std::optional<CostPath>& path2);

} // namespace paysmith
