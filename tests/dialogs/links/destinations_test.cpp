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

} // namespace
} // namespace paysmith
