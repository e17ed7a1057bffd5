#include "dialogs/common/modal.h"

#include <QDialog>

namespace paysmith {

void execCentredAndRelease(QDialog* dialog) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // A dialog without a parent is transient for the active window, and Qt
    // centres it on that window's screen when it is shown.
    dialog->exec();
}

} // namespace paysmith
