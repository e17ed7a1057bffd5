#include "schedule/core/extrarefusal.h"

#include "base/text/translatable.h"

#include <cstddef>

namespace paysmith {

std::string_view extraRefusalText(ExtraRefusal refusal) {
    switch (refusal) {
    case ExtraRefusal::NegativePerPeriod:
        return QT_TRANSLATE_NOOP("paysmith::Schedule", "An extra payment cannot be negative.");
    case ExtraRefusal::NegativeLumpSum:
        return QT_TRANSLATE_NOOP("paysmith::Schedule", "A lump sum cannot be negative.");
    case ExtraRefusal::RepaysAtOnce:
        return QT_TRANSLATE_NOOP("paysmith::Schedule",
                                 "This extra payment repays the whole loan in the first period.");
    case ExtraRefusal::LumpPeriodOutsideSchedule:
        return QT_TRANSLATE_NOOP(
            "paysmith::Schedule",
            "The lump sum's period must fall within the schedule, from the first payment to "
            "the last.");
    }
    return "";
}

std::optional<ExtraRefusal> refusalOfExtras(const ScheduleInputs& inputs,
                                            const ExtraPayments& extras) {
    if (extras.perPeriodCents < 0)
        return ExtraRefusal::NegativePerPeriod;
    if (extras.lumpSumCents < 0)
        return ExtraRefusal::NegativeLumpSum;
    const LenderSchedule perPeriodOnly = lenderSchedule(inputs, {extras.perPeriodCents, 0, 0});
    if (!perPeriodOnly.exists())
        return std::nullopt;
    const std::size_t periods = perPeriodOnly.rows.size();
    if (extras.perPeriodCents > 0 && periods == 1)
        return ExtraRefusal::RepaysAtOnce;
    if (extras.lumpSumCents > 0 &&
        (extras.lumpPeriod < 1 || static_cast<std::size_t>(extras.lumpPeriod) > periods))
        return ExtraRefusal::LumpPeriodOutsideSchedule;
    return std::nullopt;
}

} // namespace paysmith
