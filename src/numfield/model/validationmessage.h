#pragma once

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

} // namespace paysmith
