#pragma once

#include "numfield/model/keystroke.h"

class QKeyEvent;

namespace paysmith {

// The key and modifiers of a Qt key press as the key tables name them.
KeyStroke keyStrokeOf(const QKeyEvent& event);

} // namespace paysmith
