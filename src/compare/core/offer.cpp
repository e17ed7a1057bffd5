#include "compare/core/offer.h"

#include "schedule/core/cents.h"

#include <cmath>

namespace paysmith {

namespace {

// Far beyond what any field holds, far below what 64-bit cents hold, so
// closing costs and a schedule's interest add up without overflow.
constexpr double kMaxClosing = 1e12;

} // namespace

std::optional<std::int64_t> closingCents(const Offer& offer) {
    const double points = offer.loan.amount * offer.pointsPercent / 100.0;
    if (!(std::fabs(offer.fees) < kMaxClosing) || !(std::fabs(points) < kMaxClosing))
        return std::nullopt;
    return roundCents(offer.fees) + roundCents(points);
}

} // namespace paysmith
