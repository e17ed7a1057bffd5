#include "schedule/core/extrarefusal.h"

#include "base/text/translatable.h"

#include <cstddef>

namespace paysmith {

namespace {

// The periods of the schedule with the extra per period alone, which the
// lump sum must fall within; 0 without a schedule.
std::int32_t periodsWithExtra(const ScheduleInputs& inputs, std::int64_t perPeriodCents) {
    return lenderPeriods(inputs, {perPeriodCents, 0, 0});
}

} // namespace

std::optional<ExtraRefusal> refusalOfExtras(const ScheduleInputs& inputs,
                                            const ExtraPayments& extras) {
    if (extras.perPeriodCents < 0)
        return ExtraRefusal::NegativePerPeriod;
    if (extras.lumpSumCents < 0)
        return ExtraRefusal::NegativeLumpSum;
    // Without an extra per period or a lump sum with its payment, nothing is
    // left to refuse, and no schedule need be worked out to say so.
    if (extras.perPeriodCents == 0 && (extras.lumpSumCents == 0 || extras.lumpPeriod == 0))
        return std::nullopt;
    const std::int32_t periods = periodsWithExtra(inputs, extras.perPeriodCents);
    if (periods == 0)
        return std::nullopt;
    if (extras.perPeriodCents > 0 && periods == 1)
        return ExtraRefusal::RepaysAtOnce;
    if (extras.lumpSumCents > 0 && extras.lumpPeriod != 0 &&
        (extras.lumpPeriod < 1 || extras.lumpPeriod > periods))
        return ExtraRefusal::LumpPeriodOutsideSchedule;
    return std::nullopt;
}

bool liftedByEitherField(ExtraRefusal refusal) {
    return refusal == ExtraRefusal::LumpPeriodOutsideSchedule;
}

ExtrasWords refusalWords(ExtraRefusal refusal, const ScheduleInputs& inputs,
                         const ExtraPayments& extras) {
    switch (refusal) {
    case ExtraRefusal::NegativePerPeriod:
        return {QT_TRANSLATE_NOOP("paysmith::Schedule", "An extra payment cannot be negative."),
                {}};
    case ExtraRefusal::NegativeLumpSum:
        return {QT_TRANSLATE_NOOP("paysmith::Schedule", "A lump sum cannot be negative."), {}};
    case ExtraRefusal::RepaysAtOnce:
        return {QT_TRANSLATE_NOOP("paysmith::Schedule",
                                  "This extra payment repays the whole loan in the first period."),
                {}};
    case ExtraRefusal::LumpPeriodOutsideSchedule:
        return {QT_TRANSLATE_NOOP("paysmith::Schedule",
                                  "The lump sum's payment number must fall within the schedule, "
                                  "from payment %1 to %2. Change the payment number or the extra "
                                  "each payment; a payment number of 0 takes the lump sum away."),
                {1, periodsWithExtra(inputs, extras.perPeriodCents)}};
    }
    return {};
}

namespace {

ExtrasWords noteOf(const std::optional<ExtraRefusal>& refusal, const ScheduleInputs& inputs,
                   const ExtraPayments& extras) {
    if (refusal)
        return refusalWords(*refusal, inputs, extras);
    if (extras.lumpSumCents > 0 && extras.lumpPeriod == 0)
        return {QT_TRANSLATE_NOOP("paysmith::Schedule",
                                  "The lump sum does nothing until a payment number is given."),
                {}};
    return {};
}

} // namespace

ExtrasWords extrasNote(const ScheduleInputs& inputs, const ExtraPayments& extras) {
    return noteOf(refusalOfExtras(inputs, extras), inputs, extras);
}

CountedExtras countedExtras(const ScheduleInputs& inputs, const ExtraPayments& entered) {
    CountedExtras result{entered, {}, {}};
    ExtraPayments& extras = result.counted;
    auto refusal = refusalOfExtras(inputs, extras);
    result.note = noteOf(refusal, inputs, extras);
    for (; refusal; refusal = refusalOfExtras(inputs, extras)) {
        const bool perPeriod =
            *refusal == ExtraRefusal::NegativePerPeriod || *refusal == ExtraRefusal::RepaysAtOnce;
        std::int64_t& cents = perPeriod ? extras.perPeriodCents : extras.lumpSumCents;
        result.leftOut.push_back(
            {*refusal,
             result.leftOut.empty() ? result.note : refusalWords(*refusal, inputs, extras), cents});
        cents = 0;
        if (!perPeriod)
            extras.lumpPeriod = 0;
    }
    return result;
}

} // namespace paysmith
