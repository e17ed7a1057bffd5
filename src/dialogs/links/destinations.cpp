#include "dialogs/links/destinations.h"

#include "base/text/translatable.h"
#include "base/version.h"
#include "dialogs/links/maker.h"
#include "dialogs/links/promotions.h"

#include <array>

namespace paysmith {

namespace {

using enum ReferralSuffix;
using enum MenuPlace;

constexpr Destination kSeparator{"", "", "", Omit};

constexpr std::string_view kHomePage = maker::kHomePage;
// The update page is named for this version: the referral code and ".htm".
constexpr std::string_view kUpdatePage =
    "https://www.hfsoft.example/updates/PSM" PAYSMITH_VERSION_CODE ".htm";

constexpr std::array kDestinations{
    Destination{"mnuWOHome",
                QT_TRANSLATE_NOOP("paysmith::TfrmMain",
                                  "HFSoft.example - Software for smart borrowers ..."),
                kHomePage, Append},
    Destination{"mnuWOSiteCalculators",
                QT_TRANSLATE_NOOP("paysmith::TfrmMain",
                                  "WebCalcs.example - Calculators for your web site ..."),
                "https://www.webcalcs.example/", Append},
    kSeparator,
    Destination{"mnuWOApplicationInformation",
                QT_TRANSLATE_NOOP("paysmith::TfrmMain", "&Information About this Program ..."),
                "https://www.hfsoft.example/paysmith.htm", Append},
    Destination{"mnuWOSuggestionBox",
                QT_TRANSLATE_NOOP("paysmith::TfrmMain", "&Suggestion Box ..."),
                "https://www.hfsoft.example/contactform.htm", Append},
    Destination{"mnuWOSupport", QT_TRANSLATE_NOOP("paysmith::TfrmMain", "&Online Support ..."),
                "https://www.hfsoft.example/faq.htm", Append},
    Destination{"mnuWOFreeware",
                QT_TRANSLATE_NOOP("paysmith::TfrmMain", "&Free Financial Software ..."),
                "https://www.hfsoft.example/free-financial-software.htm", Append},
    kSeparator,
    Destination{"mnuWOSiteMarketing",
                QT_TRANSLATE_NOOP("paysmith::TfrmMain",
                                  "LenderReach.example - Marketing software for lenders ..."),
                "https://www.lenderreach.example/", Append},
    Destination{"mnuWOSiteDownloads",
                QT_TRANSLATE_NOOP("paysmith::TfrmMain",
                                  "FinSoftShelf.example - Financial software downloads ..."),
                "https://www.finsoftshelf.example/", Append},
    Destination{
        "mnuWOSiteBorrowing",
        QT_TRANSLATE_NOOP("paysmith::TfrmMain", "BorrowWise.example - A borrower's guide ..."),
        "https://www.borrowwise.example/", Append},
    Destination{
        "mnuWOSiteFormulas",
        QT_TRANSLATE_NOOP("paysmith::TfrmMain", "MoneyFormulas.example - Financial formulas ..."),
        "https://www.moneyformulas.example/", Append},
    kSeparator,
    Destination{"mnuWOPartnerBlog",
                QT_TRANSLATE_NOOP("paysmith::TfrmMain", "Home Loan Notes BLOG ..."),
                "https://www.homeloannotes.example/", Omit},
    Destination{"mnuWOBlog",
                QT_TRANSLATE_NOOP("paysmith::TfrmMain", "Harrowfield Software &BLOG ..."),
                "https://www.hfsoft.example/wp/", Omit},
    kSeparator,
    Destination{"mnuWOMailSuggestions",
                QT_TRANSLATE_NOOP("paysmith::TfrmMain", "&Send Suggestions ..."),
                "mailto:suggestions@hfsoft.example", Omit, EmailSubmenu},
    Destination{"mnuWOMailSupport", QT_TRANSLATE_NOOP("paysmith::TfrmMain", "&Contact Support ..."),
                "mailto:support@hfsoft.example", Omit, EmailSubmenu},
    kSeparator,
    Destination{"mnuWOTryA", "Amortizer Deluxe", "https://www.amortizerdeluxe.example/", Append,
                TrialSubmenu},
    Destination{"mnuWOTryB", "Rent or Buy Planner", "https://www.rentorbuyplanner.example/", Append,
                TrialSubmenu},
    Destination{"mnuWOTryC", "Refinance Advisor",
                "https://www.hfsoft.example/refinance-advisor.htm", Append, TrialSubmenu},
    Destination{"mnuWOTryD", promotions::kFirstName, promotions::kFirstSite, Append, TrialSubmenu},
    Destination{"mnuWOTryE", promotions::kSecondName, promotions::kSecondSite, Append,
                TrialSubmenu},
    kSeparator,
    Destination{
        "mnuWOCheckForUpdate",
        QT_TRANSLATE_NOOP("paysmith::TfrmMain", "Check for a New &Version of this Software ..."),
        kUpdatePage, Omit},
    Destination{"btnUpdate", "", kUpdatePage, Omit, NotInMenu},
    Destination{"statusBar", "", kHomePage, Append, NotInMenu},
};

} // namespace

std::span<const Destination> onlineDestinations() {
    return kDestinations;
}

const Destination* destinationOf(std::string_view sender) {
    if (sender.empty())
        return nullptr;
    for (const Destination& destination : kDestinations)
        if (destination.sender == sender)
            return &destination;
    return nullptr;
}

std::string linkAddress(const Destination& destination, std::string_view referralSuffix) {
    std::string address(destination.baseAddress);
    if (destination.suffix == Append)
        address += referralSuffix;
    return address;
}

std::string referralSuffix() {
    return std::string(maker::kReferralPrefix) + std::string(maker::kReferralCode);
}

} // namespace paysmith
