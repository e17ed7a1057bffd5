#pragma once

#include "base/text/translatable.h"
#include "base/version.h"

#include <string_view>

namespace paysmith::maker {

// The maker of Paysmith as the program names it. Every address lies under the
// reserved .example domain: a link must never lead a user to somebody else's site.
inline constexpr std::string_view kName = "Harrowfield Software";
inline constexpr std::string_view kSiteName = "HFSoft.example";
inline constexpr std::string_view kSlogan =
    QT_TRANSLATE_NOOP("paysmith::maker", "Software for smart borrowers");
inline constexpr std::string_view kHomePage = "https://www.hfsoft.example/";
inline constexpr std::string_view kSupportAddress = "support@hfsoft.example";
inline constexpr std::string_view kSuggestionsAddress = "suggestions@hfsoft.example";

// The product's code followed by its version in four digits.
inline constexpr std::string_view kReferralCode = "PSM" PAYSMITH_VERSION_CODE;
inline constexpr std::string_view kReferralPrefix = "?ref=";

} // namespace paysmith::maker
