#pragma once

#include "numfield/text/intlsupport.h"

#include <optional>
#include <string>
#include <string_view>

namespace paysmith {

// Codes beyond those a numeric text can produce; fields of other kinds and
// options a program may set report them.
inline constexpr int ErrRequired = 258;
inline constexpr int ErrInvalidDate = 259;
inline constexpr int ErrInvalidTime = 260;
inline constexpr int ErrBlanksInField = 261;
inline constexpr int ErrPartialEntry = 262;

// The message a rejected field reports for its code; "" for 0.
std::u16string_view validationMessage(int code);

// The message a range error reports: `sentence` and the limits a value must
// keep to, "sentence (from −32,768 to 32,767)", grouped and with the decimal
// places of the field; the sentence alone when a limit is too large to write
// out.
std::u16string rangeMessage(std::u16string_view sentence, long double low, long double high,
                            int decimalPlaces, const TIntlSupport& intl);

// The English pattern rangeMessage fills, "%1 (from %2 to %3)", marked for
// translation so that a widget can show the message in the user's language.
std::u16string_view rangeMessagePattern();

// A range message taken apart again by its pattern, so that a widget can show
// each part in the user's language; nothing for a message without limits.
struct RangeMessageParts {
    std::u16string_view sentence;
    std::u16string_view from;
    std::u16string_view to;
};
std::optional<RangeMessageParts> rangeMessageParts(std::u16string_view message);

} // namespace paysmith
