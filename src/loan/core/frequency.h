#pragma once

#include "base/text/translatable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace paysmith {

struct PaymentFrequency {
    std::u16string_view caption;
    std::int32_t index;
    std::int32_t periodsPerYear;
    std::int32_t rateDivisor; // 0: the annual rate applies per period unchanged
    bool inList;
};

// The one payment-frequency table, in index order. Index 0 ("Constant") is
// recognised but never offered in a frequency box's list.
inline constexpr std::array<PaymentFrequency, 10> kPaymentFrequencies{{
    {u"" QT_TRANSLATE_NOOP("paysmith::Frequency", "Constant"), 0, 24, 0, false},
    {u"" QT_TRANSLATE_NOOP("paysmith::Frequency", "Daily 365"), 1, 365, 365, true},
    {u"" QT_TRANSLATE_NOOP("paysmith::Frequency", "Daily 360"), 2, 360, 360, true},
    {u"" QT_TRANSLATE_NOOP("paysmith::Frequency", "Weekly 52"), 3, 52, 52, true},
    {u"" QT_TRANSLATE_NOOP("paysmith::Frequency", "Biweekly 26"), 4, 26, 26, true},
    {u"" QT_TRANSLATE_NOOP("paysmith::Frequency", "Bimonthly 24"), 5, 24, 24, true},
    {u"" QT_TRANSLATE_NOOP("paysmith::Frequency", "Monthly 12"), 6, 12, 12, true},
    {u"" QT_TRANSLATE_NOOP("paysmith::Frequency", "Quarterly 4"), 7, 4, 4, true},
    {u"" QT_TRANSLATE_NOOP("paysmith::Frequency", "Biannually 2"), 8, 2, 2, true},
    {u"" QT_TRANSLATE_NOOP("paysmith::Frequency", "Annually 1"), 9, 1, 1, true},
}};

inline constexpr std::int32_t kDefaultFrequencyIndex = 6;
inline constexpr std::u16string_view kDefaultFrequencyCaption = u"Monthly 12";

enum class CaptionSet { AllCaptions, ListCaptionsOnly };

// Whole-string, case-sensitive comparison without trimming: "monthly 12" and
// " Monthly 12" match nothing.
std::optional<std::int32_t> frequencyIndexOf(std::u16string_view caption,
                                             CaptionSet set = CaptionSet::AllCaptions);

// Indexes outside 0..9 are never produced; they are treated like index 0.
std::int32_t periodsPerYearOf(std::int32_t index);

// 0 for index 0 and any index outside 1..9: no division of the annual rate.
std::int32_t rateDivisorOf(std::int32_t index);

std::u16string_view frequencyCaptionOf(std::int32_t index);

} // namespace paysmith
