#include "dialogs/links/destinations.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace paysmith {
namespace {

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The suffix always starts the query, and no link may reach a real site.
TEST(Destinations, EveryAddressIsOursAndTakesTheSuffixAsItsQuery) {
    std::set<std::string_view> senders;
    for (const Destination& d : onlineDestinations()) {
        if (d.sender.empty())
            continue;
        EXPECT_TRUE(senders.insert(d.sender).second) << d.sender;
        EXPECT_EQ(d.baseAddress.find('?'), std::string_view::npos) << d.sender;
        const bool mail = d.baseAddress.starts_with("mailto:");
        const std::string_view host = mail
                                          ? d.baseAddress.substr(d.baseAddress.find('@') + 1)
                                          : d.baseAddress.substr(8, d.baseAddress.find('/', 8) - 8);
        EXPECT_TRUE(endsWith(host, ".example")) << d.sender;
        if (mail) {
            EXPECT_EQ(d.suffix, ReferralSuffix::Omit) << d.sender;
        } else {
            EXPECT_TRUE(d.baseAddress.starts_with("https://")) << d.sender;
        }
    }
}

TEST(Destinations, UpdatePageIsNamedForThisVersionAndTakesNoQuery) {
    for (const Destination& d : onlineDestinations()) {
        if (d.sender != "mnuWOCheckForUpdate")
            continue;
        EXPECT_TRUE(endsWith(d.baseAddress, "/updates/PSM4600.htm"));
        EXPECT_EQ(d.suffix, ReferralSuffix::Omit);
        return;
    }
    FAIL() << "no update entry";
}

struct OpenCase {
    const char* sender;
    const char* address;
};

// clang-format off
constexpr OpenCase kOpened[] = {
    {"mnuWOHome",                   "https://www.hfsoft.example/?ref=PSM4600"},
    {"mnuWOSiteCalculators",        "https://www.webcalcs.example/?ref=PSM4600"},
    {"mnuWOApplicationInformation", "https://www.hfsoft.example/paysmith.htm?ref=PSM4600"},
    {"mnuWOSuggestionBox",          "https://www.hfsoft.example/contactform.htm?ref=PSM4600"},
    {"mnuWOSupport",                "https://www.hfsoft.example/faq.htm?ref=PSM4600"},
    {"mnuWOFreeware",               "https://www.hfsoft.example/free-financial-software.htm?ref=PSM4600"},
    {"mnuWOSiteMarketing",          "https://www.lenderreach.example/?ref=PSM4600"},
    {"mnuWOSiteDownloads",          "https://www.finsoftshelf.example/?ref=PSM4600"},
    {"mnuWOSiteBorrowing",          "https://www.borrowwise.example/?ref=PSM4600"},
    {"mnuWOSiteFormulas",           "https://www.moneyformulas.example/?ref=PSM4600"},
    {"mnuWOPartnerBlog",            "https://www.homeloannotes.example/"},
    {"mnuWOBlog",                   "https://www.hfsoft.example/wp/"},
    {"mnuWOMailSuggestions",        "mailto:suggestions@hfsoft.example"},
    {"mnuWOMailSupport",            "mailto:support@hfsoft.example"},
    {"mnuWOTryA",                   "https://www.amortizerdeluxe.example/?ref=PSM4600"},
    {"mnuWOTryB",                   "https://www.rentorbuyplanner.example/?ref=PSM4600"},
    {"mnuWOTryC",                   "https://www.hfsoft.example/refinance-advisor.htm?ref=PSM4600"},
    {"mnuWOTryD",                   "https://www.closingcostpro.example/?ref=PSM4600"},
    {"mnuWOTryE",                   "https://www.mortgagequalifierplus.example/?ref=PSM4600"},
    {"mnuWOCheckForUpdate",         "https://www.hfsoft.example/updates/PSM4600.htm"},
    {"btnUpdate",                   "https://www.hfsoft.example/updates/PSM4600.htm"},
    {"statusBar",                   "https://www.hfsoft.example/?ref=PSM4600"},
};
// clang-format on

TEST(Destinations, EachSenderOpensItsAddress) {
    EXPECT_EQ(referralSuffix(), "?ref=PSM4600");
    std::size_t senders = 0;
    for (const Destination& d : onlineDestinations())
        senders += d.sender.empty() ? 0 : 1;
    EXPECT_EQ(senders, std::size(kOpened));
    for (const OpenCase& c : kOpened) {
        const Destination* d = destinationOf(c.sender);
        ASSERT_NE(d, nullptr) << c.sender;
        EXPECT_EQ(linkAddress(*d, referralSuffix()), c.address) << c.sender;
    }
    EXPECT_EQ(destinationOf(""), nullptr);
    EXPECT_EQ(destinationOf("mnuWOTryHidden1"), nullptr);
}

} // namespace
} // namespace paysmith
