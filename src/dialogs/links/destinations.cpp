#include "dialogs/links/destinations.h"

#include "base/version.h"

#include <array>

namespace paysmith {

namespace {

using enum ReferralSuffix;
using enum MenuPlace;

constexpr Destination kSeparator{"", "", "", Omit};

constexpr std::array kDestinations{
    Destination{"mnuWOHome", "HFSoft.example - Software for smart borrowers ...",
                "https://www.hfsoft.example/", Append},
    Destination{"mnuWOSiteCalculators", "WebCalcs.example - Calculators for your web site ...",
                "https://www.webcalcs.example/", Append},
    kSeparator,
    Destination{"mnuWOApplicationInformation", "&Information About this Program ...",
                "https://www.hfsoft.example/paysmith.htm", Append},
    Destination{"mnuWOSuggestionBox", "&Suggestion Box ...",
                "https://www.hfsoft.example/contactform.htm", Append},
    Destination{"mnuWOSupport", "&Online Support ...", "https://www.hfsoft.example/faq.htm",
                Append},
    Destination{"mnuWOFreeware", "&Free Financial Software ...",
                "https://www.hfsoft.example/free-financial-software.htm", Append},
    kSeparator,
    Destination{"mnuWOSiteMarketing", "LenderReach.example - Marketing software for lenders ...",
                "https://www.lenderreach.example/", Append},
    Destination{"mnuWOSiteDownloads", "FinSoftShelf.example - Financial software downloads ...",
                "https://www.finsoftshelf.example/", Append},
    Destination{"mnuWOSiteBorrowing", "BorrowWise.example - A borrower's guide ...",
                "https://www.borrowwise.example/", Append},
    Destination{"mnuWOSiteFormulas", "MoneyFormulas.example - Financial formulas ...",
                "https://www.moneyformulas.example/", Append},
    kSeparator,
    Destination{"mnuWOPartnerBlog", "Home Loan Notes BLOG ...",
                "https://www.homeloannotes.example/", Omit},
    Destination{"mnuWOBlog", "Harrowfield Software &BLOG ...", "https://www.hfsoft.example/wp/",
                Omit},
    kSeparator,
    Destination{"mnuWOMailSuggestions", "&Send Suggestions ...",
                "mailto:suggestions@hfsoft.example", Omit, EmailSubmenu},
    Destination{"mnuWOMailSupport", "&Contact Support ...", "mailto:support@hfsoft.example", Omit,
                EmailSubmenu},
    kSeparator,
    Destination{"mnuWOTryA", "Amortizer Deluxe", "https://www.amortizerdeluxe.example/", Append,
                TrialSubmenu},
    Destination{"mnuWOTryB", "Rent or Buy Planner", "https://www.rentorbuyplanner.example/", Append,
                TrialSubmenu},
    Destination{"mnuWOTryC", "Refinance Advisor",
                "https://www.hfsoft.example/refinance-advisor.htm", Append, TrialSubmenu},
    Destination{"mnuWOTryD", "Closing Cost Pro", "https://www.closingcostpro.example/", Append,
                TrialSubmenu},
    Destination{"mnuWOTryE", "Mortgage Qualifier Plus",
                "https://www.hfsoft.example/mortgage-qualifier-plus.htm", Append, TrialSubmenu},
    kSeparator,
    Destination{"mnuWOCheckForUpdate", "Check for a New &Version of this Software ...",
                "https://www.hfsoft.example/updates/PSM" PAYSMITH_VERSION_CODE ".htm", Omit},
};

} // namespace

std::span<const Destination> onlineDestinations() {
    return kDestinations;
}

} // namespace paysmith
