#include "numfield/model/keytable.h"

namespace paysmith {

namespace {

using enum EntryCommand;

constexpr Modifiers kNone = Modifiers::None;
constexpr Modifiers kShift = Modifiers::Shift;
constexpr Modifiers kCtrl = Modifiers::Ctrl;
constexpr Modifiers kAlt = Modifiers::Alt;
constexpr Modifiers kCtrlShift = Modifiers::Ctrl | Modifiers::Shift;

KeyRow row(Key key, Modifiers modifiers, EntryCommand command) {
    return {{key, modifiers}, {}, command};
}

KeyRow sequence(KeyStroke first, KeyStroke second, EntryCommand command) {
    return {first, second, command};
}

EntryCommand nth(EntryCommand first, int offset) {
    return static_cast<EntryCommand>(static_cast<int>(first) + offset);
}

} // namespace

KeyTable defaultKeyTable() {
    KeyTable table{"Default", TableState::Active, {}};
    table.rows = {
        row(Key::Left, kNone, ccLeft),
        row(Key::Right, kNone, ccRight),
        row(Key::Left, kCtrl, ccWordLeft),
        row(Key::Right, kCtrl, ccWordRight),
        row(Key::Home, kNone, ccHome),
        row(Key::End, kNone, ccEnd),
        row(Key::Up, kNone, ccUp),
        row(Key::Down, kNone, ccDown),
        row(Key::PageUp, kNone, ccPrevPage),
        row(Key::PageDown, kNone, ccNextPage),
        row(Key::PageUp, kCtrl, ccTopOfPage),
        row(Key::PageDown, kCtrl, ccBotOfPage),
        row(Key::Home, kCtrl, ccFirstPage),
        row(Key::End, kCtrl, ccLastPage),
        row(Key::Delete, kNone, ccDel),
        row(Key::Backspace, kNone, ccBack),
        row(Key::Backspace, kShift, ccBack),
        row(Key::Insert, kNone, ccIns),
        row(Key::Z, kCtrl, ccUndo),
        row(Key::Z, kCtrlShift, ccRedo),
        row(Key::Backspace, kAlt, ccRestore),
        row(Key::Enter, kCtrl, ccNewLine),
        row(Key::Tab, kNone, ccTab),
        row(Key::Tab, kCtrl, ccTab),
        row(Key::Left, kShift, ccExtendLeft),
        row(Key::Right, kShift, ccExtendRight),
        row(Key::Home, kShift, ccExtendHome),
        row(Key::End, kShift, ccExtendEnd),
        row(Key::Left, kCtrlShift, ccExtWordLeft),
        row(Key::Right, kCtrlShift, ccExtWordRight),
        row(Key::Up, kShift, ccExtendUp),
        row(Key::Down, kShift, ccExtendDown),
        row(Key::PageUp, kShift, ccExtendPgUp),
        row(Key::PageDown, kShift, ccExtendPgDn),
        row(Key::Home, kCtrlShift, ccExtFirstPage),
        row(Key::End, kCtrlShift, ccExtLastPage),
        row(Key::PageUp, kCtrlShift, ccExtTopOfPage),
        row(Key::PageDown, kCtrlShift, ccExtBotOfPage),
        row(Key::Delete, kShift, ccCut),
        row(Key::X, kCtrl, ccCut),
        row(Key::Insert, kCtrl, ccCopy),
        row(Key::C, kCtrl, ccCopy),
        row(Key::Insert, kShift, ccPaste),
        row(Key::V, kCtrl, ccPaste),
    };
    for (int digit = 0; digit <= 9; ++digit)
        table.rows.push_back(row(digitKey(digit), kCtrl, nth(ccGotoMarker0, digit)));
    for (int digit = 0; digit <= 9; ++digit)
        table.rows.push_back(row(digitKey(digit), kCtrlShift, nth(ccSetMarker0, digit)));
    return table;
}

KeyTable classicKeyTable() {
    const KeyStroke ctrlQ{Key::Q, kCtrl};
    const KeyStroke ctrlK{Key::K, kCtrl};
    KeyTable table{"Classic", TableState::Inactive, {}};
    table.rows = {
        row(Key::S, kCtrl, ccLeft),
        row(Key::D, kCtrl, ccRight),
        row(Key::A, kCtrl, ccWordLeft),
        row(Key::F, kCtrl, ccWordRight),
        row(Key::E, kCtrl, ccUp),
        row(Key::X, kCtrl, ccDown),
        row(Key::G, kCtrl, ccDel),
        row(Key::H, kCtrl, ccBack),
        row(Key::V, kCtrl, ccIns),
        sequence(ctrlQ, {Key::S, kNone}, ccHome),
        sequence(ctrlQ, {Key::S, kCtrl}, ccHome),
        sequence(ctrlQ, {Key::D, kNone}, ccEnd),
        sequence(ctrlQ, {Key::D, kCtrl}, ccEnd),
        sequence(ctrlQ, {Key::L, kNone}, ccRestore),
        sequence(ctrlQ, {Key::L, kCtrl}, ccRestore),
    };
    for (int digit = 0; digit <= 9; ++digit) {
        table.rows.push_back(sequence(ctrlQ, {digitKey(digit), kNone}, nth(ccGotoMarker0, digit)));
        table.rows.push_back(sequence(ctrlK, {digitKey(digit), kNone}, nth(ccSetMarker0, digit)));
    }
    return table;
}

KeyTable gridKeyTable() {
    KeyTable table{"Grid", TableState::Inactive, {}};
    table.rows = {
        row(Key::Enter, kNone, ccNewLine),     row(Key::Up, kNone, ccUp),
        row(Key::Down, kNone, ccDown),         row(Key::PageUp, kNone, ccPrevPage),
        row(Key::PageDown, kNone, ccNextPage), row(Key::Home, kCtrl, ccFirstPage),
        row(Key::End, kCtrl, ccLastPage),      row(Key::Tab, kNone, ccTab),
    };
    return table;
}

} // namespace paysmith
