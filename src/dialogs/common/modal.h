#pragma once

class QDialog;

namespace paysmith {

// Shows a parentless dialog modally, centred on the screen of the active window, and
// has it destroyed once its modal loop has ended.
void execCentredAndRelease(QDialog* dialog);

} // namespace paysmith
