#pragma once

#include <optional>
#include <string_view>

namespace paysmith {

inline constexpr int kFirstRunHelpContext = 10000;
inline constexpr std::string_view kHelpContentsPage = "index.html";

// The help page of a context number, if the help has one.
std::optional<std::string_view> helpPageForContext(int context);

} // namespace paysmith
