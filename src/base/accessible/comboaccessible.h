#pragma once

class QComboBox;

namespace paysmith {

// Makes `box`, a box that cannot be typed into, say its value to Orca when
// focused. Qt gives such a box no text, and Orca 43, which names a box by its
// caption, looks for the value in the text or in a selection Qt does not
// offer, and says none. The box keeps Qt's parts: its list as its one child,
// opened by a reader's press.
void makeValueHeard(QComboBox* box);

} // namespace paysmith
