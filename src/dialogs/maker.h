#pragma once

#include <string_view>

namespace paysmith::maker {

// The maker of Paysmith as the program names it. Every address lies under the
// reserved .example domain: a link must never lead a user to somebody else's site.
inline constexpr std::string_view kName = "Harrowfield Software";
inline constexpr std::string_view kSiteName = "HFSoft.example";
inline constexpr std::string_view kSlogan = "Software for smart borrowers";
inline constexpr std::string_view kHomePage = "https://www.hfsoft.example/";
inline constexpr std::string_view kSupportAddress = "support@hfsoft.example";
inline constexpr std::string_view kSuggestionsAddress = "suggestions@hfsoft.example";

inline constexpr std::string_view kReferralCode = "PSM4600";
inline constexpr std::string_view kReferralPrefix = "?ref=";

} // namespace paysmith::maker
