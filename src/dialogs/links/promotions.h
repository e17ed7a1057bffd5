#pragma once

#include <string_view>

namespace paysmith::promotions {

// The two products the notebook's promotional pages advertise: the first is
// the trial entry mnuWOTryD's, the second mnuWOTryE's.
inline constexpr std::string_view kFirstName = "Closing Cost Pro";
inline constexpr std::string_view kFirstSite = "https://www.closingcostpro.example/";
// The first product's text links and its picture lead to its site's start page.
inline constexpr std::string_view kFirstPage = "https://www.closingcostpro.example/index.php";

inline constexpr std::string_view kSecondName = "Mortgage Qualifier Plus";
inline constexpr std::string_view kSecondSite = "https://www.mortgagequalifierplus.example/";
// The second product's page on the maker's site: the heading links to its
// script, the text to its static page; the picture goes to the product's site.
inline constexpr std::string_view kSecondHeadingPage =
    "https://www.hfsoft.example/mortgage-qualifier-plus.php";
inline constexpr std::string_view kSecondTextPage =
    "https://www.hfsoft.example/mortgage-qualifier-plus.htm";

// Appended after the referral suffix by a click on a product's picture.
inline constexpr std::string_view kPictureMarker = "glink";

} // namespace paysmith::promotions
