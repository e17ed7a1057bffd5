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

// The limits a value must keep to, as the range message names them:
// "from −32,768 to 32,767", grouped and with the decimal places of the field;
// "" when a limit is too large to write out.
std::u16string rangeLimitsText(long double low, long double high, int decimalPlaces,
                               const TIntlSupport& intl);

// A range message as the model composes it, "sentence (from A to B)", taken
// apart again so that a widget can show each part in the user's language;
// nothing for a message without limits.
struct RangeMessageParts {
    std::u16string_view sentence;
    std::u16string_view from;
    std::u16string_view to;
};
std::optional<RangeMessageParts> rangeMessageParts(std::u16string_view message);

} // namespace paysmith
