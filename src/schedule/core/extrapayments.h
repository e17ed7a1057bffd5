#pragma once

#include <cstdint>

namespace paysmith {

// Paid beside a loan's regular payment, all of it to principal: the regular
// payment stays as the contract has it and the term shortens.
struct ExtraPayments {
    std::int64_t perPeriodCents = 0; // every period, from the first on
    std::int64_t lumpSumCents = 0;
    std::int32_t lumpPeriod = 0; // 1-based; 0: no lump sum

    // Whether they can change a schedule at all; negative amounts, which the
    // fields refuse, count as none.
    bool any() const { return perPeriodCents > 0 || (lumpSumCents > 0 && lumpPeriod > 0); }

    friend bool operator==(const ExtraPayments&, const ExtraPayments&) = default;
};

} // namespace paysmith
