#include "compare/core/crossover.h"

#include <cstdint>

namespace paysmith {

namespace {

struct Walker {
    const CostPath& path;
    std::int32_t paid = 0;

    bool done() const { return paid == path.payments(); }
    std::int64_t cost() const { return path.cost[static_cast<std::size_t>(paid)]; }
    double now() const { return path.yearsAt(paid); }
};

// Due dates compared as the fractions k/p they are, so that twelve monthly
// and twenty-six biweekly payments fall on the same day at one year.
bool dueNoLater(const Walker& a, const Walker& b) {
    if (a.done())
        return false;
    if (b.done())
        return true;
    return std::int64_t{a.paid + 1} * b.path.periodsPerYear <=
           std::int64_t{b.paid + 1} * a.path.periodsPerYear;
}

std::optional<WhichLoan> lowerOf(const Walker& loan1, const Walker& loan2) {
    if (loan1.cost() < loan2.cost())
        return WhichLoan::Loan1;
    if (loan2.cost() < loan1.cost())
        return WhichLoan::Loan2;
    return std::nullopt;
}

} // namespace

WhichLoan Crossover::cheaperAfter() const {
    if (!years)
        return cheaperAtStart;
    return cheaperAtStart == WhichLoan::Loan1 ? WhichLoan::Loan2 : WhichLoan::Loan1;
}

std::optional<Crossover> crossoverOf(const std::optional<CostPath>& path1,
                                     const std::optional<CostPath>& path2) {
    if (!path1 || !path2)
        return std::nullopt;
    Walker walker1{*path1};
    Walker walker2{*path2};
    std::optional<WhichLoan> leader = lowerOf(walker1, walker2);
    while (!walker1.done() || !walker2.done()) {
        const bool pays1 = dueNoLater(walker1, walker2);
        const bool pays2 = dueNoLater(walker2, walker1);
        walker1.paid += pays1 ? 1 : 0;
        walker2.paid += pays2 ? 1 : 0;
        const std::optional<WhichLoan> lower = lowerOf(walker1, walker2);
        if (!leader)
            leader = lower;
        else if (lower && *lower != *leader)
            return Crossover{*leader, pays1 ? walker1.now() : walker2.now()};
    }
    return Crossover{leader.value_or(WhichLoan::Loan1), std::nullopt};
}

} // namespace paysmith
