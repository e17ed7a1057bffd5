#pragma once

#include <span>
#include <string_view>

namespace paysmith {

enum class ReferralSuffix { Append, Omit };

// Where the entry sits: in the Online Resources menu itself, in its hidden
// e-mail submenu, or in its trial-versions submenu.
enum class MenuPlace { Menu, EmailSubmenu, TrialSubmenu };

// One entry of the Online Resources menu (or of the other senders that open
// the same places): the object name of its sender, its caption and where it leads.
struct Destination {
    std::string_view sender;
    std::string_view caption;
    std::string_view baseAddress;
    ReferralSuffix suffix;
    MenuPlace place = MenuPlace::Menu;
};

// In menu order; the groups of the menu are separated by an entry whose
// sender is empty.
std::span<const Destination> onlineDestinations();

} // namespace paysmith
