#include "loan/core/frequency.h"

namespace paysmith {

namespace {

const PaymentFrequency& entryOf(std::int32_t index) {
    if (index < 0 || index >= static_cast<std::int32_t>(kPaymentFrequencies.size()))
        return kPaymentFrequencies[0];
    return kPaymentFrequencies[static_cast<std::size_t>(index)];
}

} // namespace

std::optional<std::int32_t> frequencyIndexOf(std::u16string_view caption, CaptionSet set) {
    for (const PaymentFrequency& f : kPaymentFrequencies) {
        if (set == CaptionSet::ListCaptionsOnly && !f.inList)
            continue;
        if (f.caption == caption)
            return f.index;
    }
    return std::nullopt;
}

std::int32_t periodsPerYearOf(std::int32_t index) {
    return entryOf(index).periodsPerYear;
}

std::int32_t rateDivisorOf(std::int32_t index) {
    return entryOf(index).rateDivisor;
}

std::u16string_view frequencyCaptionOf(std::int32_t index) {
    return entryOf(index).caption;
}

} // namespace paysmith
