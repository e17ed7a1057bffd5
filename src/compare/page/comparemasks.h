#pragma once

#include <string_view>

namespace paysmith {

// How the Compare page writes years and rates, on screen and on paper.
inline constexpr std::u16string_view kYearsMask = u"###.##";
inline constexpr std::u16string_view kRateMask = u"###.###";

} // namespace paysmith
