#pragma once

#include <optional>
#include <string_view>

namespace paysmith {

inline constexpr int kFirstRunHelpContext = 10000;
// The pages of the notebook that have help of their own, which F1 opens.
inline constexpr int kScheduleHelpContext = 10010;
inline constexpr int kCompareHelpContext = 10020;
inline constexpr std::string_view kHelpContentsPage = "index.html";

// The help page of a context number, if the help has one.
std::optional<std::string_view> helpPageForContext(int context);

} // namespace paysmith
