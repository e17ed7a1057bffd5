#include "numfield/model/fieldmenu.h"

#include "base/text/translatable.h"

namespace paysmith {

std::vector<MenuEntry> contextMenuEntries(const MenuState& state) {
    const bool editableSelection = state.allSelected && !state.readOnly;
    return {
        {MenuItem::Restore, u"" QT_TRANSLATE_NOOP("paysmith::TNumericField", "&Restore"),
         state.modified},
        {},
        {MenuItem::Cut, u"" QT_TRANSLATE_NOOP("paysmith::TNumericField", "Cu&t"),
         editableSelection},
        {MenuItem::Copy, u"" QT_TRANSLATE_NOOP("paysmith::TNumericField", "&Copy"),
         state.allSelected},
        {MenuItem::Paste, u"" QT_TRANSLATE_NOOP("paysmith::TNumericField", "&Paste"),
         !state.readOnly && state.clipboardHasText},
        {MenuItem::Delete, u"" QT_TRANSLATE_NOOP("paysmith::TNumericField", "&Delete"),
         editableSelection},
        {},
        {MenuItem::SelectAll, u"" QT_TRANSLATE_NOOP("paysmith::TNumericField", "Select &All"),
         !state.allSelected},
    };
}

} // namespace paysmith
