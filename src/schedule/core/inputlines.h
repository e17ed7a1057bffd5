#pragma once

#include "schedule/core/schedule.h"

#include <array>

namespace paysmith {

enum class InputKind { Money, RatePercent, Count, Frequency };

// One input a schedule is worked out from. The exported and the printed
// schedule both open with these, so that a schedule read on its own says
// which loan it belongs to.
struct InputLine {
    const char* caption; // English; the widgets translate it
    InputKind kind;
    // A Frequency's value is its index in the frequency table.
    double value;
};

inline constexpr std::size_t kInputLines = 6;

std::array<InputLine, kInputLines> inputLines(const ScheduleInputs& inputs);

} // namespace paysmith
