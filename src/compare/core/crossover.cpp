#include "compare/core/crossover.h"

#include <cstdint>

namespace paysmith {

namespace {

struct Walker {
    const CostPath& path;
    std::int32_t paid = 0;

    bool done() const { return paid == path.payments(); }
    std::int64_t cost() const { return path.cost[static_cast<std::size_t>(paid)]; }
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

// A payment date of either loan, kept as the exact fraction `paid/perYear`,
// and the offer lower in cost so far once it is paid.
struct Moment {
    std::int64_t paid;
    std::int64_t perYear;
    std::optional<WhichLoan> lower;

    double years() const { return static_cast<double>(paid) / static_cast<double>(perYear); }
};

bool atLeastAYearApart(const Moment& from, const Moment& to) {
    return to.paid * from.perYear - from.paid * to.perYear >= from.perYear * to.perYear;
}

} // namespace

WhichLoan Crossover::cheaperAt(double years) const {
    WhichLoan cheaper = cheaperAtStart;
    for (const Crossing& crossing : crossings)
        if (crossing.years <= years)
            cheaper = crossing.cheaper;
    return cheaper;
}

std::optional<Crossover> crossoverOf(const std::optional<CostPath>& path1,
                                     const std::optional<CostPath>& path2) {
    if (!path1 || !path2)
        return std::nullopt;
    Walker walker1{*path1};
    Walker walker2{*path2};
    std::optional<WhichLoan> leader = lowerOf(walker1, walker2);
    std::vector<Moment> moments;
    moments.reserve(static_cast<std::size_t>(path1->payments() + path2->payments()));
    while (!walker1.done() || !walker2.done()) {
        const bool pays1 = dueNoLater(walker1, walker2);
        const bool pays2 = dueNoLater(walker2, walker1);
        walker1.paid += pays1 ? 1 : 0;
        walker2.paid += pays2 ? 1 : 0;
        const Walker& payer = pays1 ? walker1 : walker2;
        moments.push_back({payer.paid, payer.path.periodsPerYear, lowerOf(walker1, walker2)});
        if (!leader)
            leader = moments.back().lower;
    }

    Crossover crossover{leader.value_or(WhichLoan::Loan1), {}};
    WhichLoan lead = crossover.cheaperAtStart;
    // From each date the other offer gets lower, on to the next date the one
    // in the lead is lower again: the other's lead lasts if that is a year
    // on or never comes.
    std::size_t k = 0;
    while (k < moments.size()) {
        if (moments[k].lower != otherLoan(lead)) {
            ++k;
            continue;
        }
        std::size_t back = k + 1;
        while (back < moments.size() && moments[back].lower != lead)
            ++back;
        if (back == moments.size() || atLeastAYearApart(moments[k], moments[back])) {
            lead = otherLoan(lead);
            crossover.crossings.push_back({moments[k].years(), lead});
        }
        k = back;
    }
    return crossover;
}

} // namespace paysmith
