#pragma once

#include "numfield/model/keystroke.h"

#include <string>

class QKeyEvent;

namespace paysmith {

// The key and modifiers of a Qt key press as the key tables name them.
KeyStroke keyStrokeOf(const QKeyEvent& event);

// The text a key press types. The keypad's decimal key types `decimalMark`
// whatever the keyboard layout puts on it ("." on AZERTY, "," on QWERTZ), as
// spreadsheets do; keys of the main block keep their own character.
std::u16string typedTextOf(const QKeyEvent& event, char16_t decimalMark);

} // namespace paysmith
