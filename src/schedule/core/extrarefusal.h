#pragma once

#include "schedule/core/extrapayments.h"
#include "schedule/core/schedule.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace paysmith {

// Why extra payments are refused, each at the field it names.
enum class ExtraRefusal {
    NegativePerPeriod, // the extra per period
    NegativeLumpSum,   // the lump sum
    // The extra per period: the first payment with it, without the lump sum,
    // already clears the amount and its first interest, so the loan would end
    // at once and no schedule of extras is left to show.
    RepaysAtOnce,
    // The lump sum's period: a lump sum above 0 must fall from the first
    // period to the last of the schedule with the extra per period, for a
    // lump sum past that end would never be paid. A lump sum of 0 takes any
    // period, and a period of 0 takes any lump sum: it has none yet.
    LumpPeriodOutsideSchedule,
};

// Negative amounts are refused whatever the loan; the rest only where the
// loan has a schedule, since without one the extras change nothing.
std::optional<ExtraRefusal> refusalOfExtras(const ScheduleInputs& inputs,
                                            const ExtraPayments& extras);

// Whether the refusal comes of two fields together, the lump sum's period
// and the extra per period or the lump sum, so that correcting either one
// lifts it: the user must be free to go to the other field to do so.
bool liftedByEitherField(ExtraRefusal refusal);

// What the user is told, in English for the widgets to translate, and the
// numbers that stand for its %1, %2 and so on, in order.
struct ExtrasWords {
    std::string_view text;
    std::vector<std::int32_t> numbers;

    bool empty() const { return text.empty(); }
    friend bool operator==(const ExtrasWords&, const ExtrasWords&) = default;
};

// The refusal of `extras` as it is worded: a lump sum's period out of the
// schedule names the periods it may take.
ExtrasWords refusalWords(ExtraRefusal refusal, const ScheduleInputs& inputs,
                         const ExtraPayments& extras);

// What a page says beside the extras as its fields show them: why they are
// refused and not counted, or that a lump sum does nothing until its period
// is given; nothing when they count as they stand.
ExtrasWords extrasNote(const ScheduleInputs& inputs, const ExtraPayments& extras);

// An extra payment or lump sum that does not count, and why.
struct LeftOutExtra {
    ExtraRefusal refusal;
    ExtrasWords words;
    std::int64_t cents = 0; // the amount left out

    friend bool operator==(const LeftOutExtra&, const LeftOutExtra&) = default;
};

// The extras as entered, and what of them counts for the loan: a refused one
// is left out, as a field leaves out an entry it refuses, until none is
// refused.
struct CountedExtras {
    ExtraPayments counted;
    std::vector<LeftOutExtra> leftOut; // in the order they were refused
    ExtrasWords note;                  // extrasNote of the entered extras
};

CountedExtras countedExtras(const ScheduleInputs& inputs, const ExtraPayments& entered);

} // namespace paysmith
