#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace paysmith {

enum class MenuItem { Restore, Cut, Copy, Paste, Delete, SelectAll };

// One line of a field's context menu; a line without an item is a separator.
struct MenuEntry {
    std::optional<MenuItem> item;
    std::u16string_view text;
    bool enabled = false;
};

// What the menu's enabling depends on. A numeric field selects all of its
// text or nothing, so "a selection" and "everything selected" are one flag.
struct MenuState {
    bool modified = false;
    bool allSelected = false;
    bool readOnly = false;
    bool clipboardHasText = false;
};

std::vector<MenuEntry> contextMenuEntries(const MenuState& state);

} // namespace paysmith
