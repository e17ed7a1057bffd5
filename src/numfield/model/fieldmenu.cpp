#include "numfield/model/fieldmenu.h"

namespace paysmith {

std::vector<MenuEntry> contextMenuEntries(const MenuState& state) {
    const bool editableSelection = state.allSelected && !state.readOnly;
    return {
        {MenuItem::Restore, u"&Restore", state.modified},
        {},
        {MenuItem::Cut, u"Cu&t", editableSelection},
        {MenuItem::Copy, u"&Copy", state.allSelected},
        {MenuItem::Paste, u"&Paste", !state.readOnly && state.clipboardHasText},
        {MenuItem::Delete, u"&Delete", editableSelection},
        {},
        {MenuItem::SelectAll, u"Select &All", !state.allSelected},
    };
}

} // namespace paysmith
