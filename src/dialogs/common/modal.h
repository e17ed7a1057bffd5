#pragma once

class QDialog;

namespace paysmith {

// Shows a dialog modally, centred on the screen of the window it belongs to
// (its parent), and has it destroyed once its modal loop has ended. A parent
// makes the dialog transient for its window: a window manager that minimises
// the dialog minimises the window with it, where a modal dialog minimised
// alone would leave its window blocked with nothing in sight to answer.
void execCentredAndRelease(QDialog* dialog);

} // namespace paysmith
