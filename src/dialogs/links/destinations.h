#pragma once

#include <span>
#include <string>
#include <string_view>

namespace paysmith {

enum class ReferralSuffix { Append, Omit };

// Where the sender sits: in the Online Resources menu itself, in its hidden
// e-mail submenu, in its trial-versions submenu, or outside the menu (the
// update button and the status bar's web panel).
enum class MenuPlace { Menu, EmailSubmenu, TrialSubmenu, NotInMenu };

// One entry of the Online Resources menu (or of the other senders that open
// the same places): the object name of its sender, its caption and where it leads.
struct Destination {
    std::string_view sender;
    std::string_view caption;
    std::string_view baseAddress;
    ReferralSuffix suffix;
    MenuPlace place = MenuPlace::Menu;
};

// In menu order, then the senders outside the menu; the groups of the menu
// are separated by an entry whose sender is empty.
std::span<const Destination> onlineDestinations();

// The row of a sender, by its object name; null when it has none.
const Destination* destinationOf(std::string_view sender);

// What a link opens: the base address, followed by the referral suffix
// ("?ref=" and the referral code) where the row asks for it.
std::string linkAddress(const Destination& destination, std::string_view referralSuffix);

// "?ref=" followed by the referral code: the query every suffixed link carries.
std::string referralSuffix();

} // namespace paysmith
