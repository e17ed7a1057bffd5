#pragma once

#include "numfield/model/entrystring.h"
#include "numfield/text/picturemask.h"

namespace paysmith {

// Why a field refused a key or a paste, so that the refusal can be shown as
// well as sounded.
enum class Refusal {
    WholeNumbersOnly,
    UseDecimalMark,
    PointAlreadyTyped,
    NoMoreDigits,
    NoRoomForSign,
    // A character no number has; what the field takes instead is named.
    DigitsOnly,
    DigitsAndMinusOnly,
    DigitsMinusAndPointOnly,
    ReadOnly,
    PasteNotTaken,
};

// Why typing `typed` was refused into a field with this mask and entry; the
// decimal mark is the field's own.
Refusal refusalOfTyped(char16_t typed, const EntryString& entry, const PictureMask& mask,
                       char16_t decimalMark);

} // namespace paysmith
