#include "dialogs/common/modal.h"

#include <QDialog>
#include <QScreen>

namespace paysmith {

void execCentredAndRelease(QDialog* dialog) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Qt would centre a dialog that has a parent over the parent. The frame
    // the window manager will add is taken to be the parent window's.
    const QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : dialog->screen();
    const QSize frame = owner ? owner->frameGeometry().size() - owner->size() : QSize();
    QRect placed(QPoint(), dialog->size() + frame);
    placed.moveCenter(screen->availableGeometry().center());
    dialog->move(placed.topLeft());
    dialog->exec();
}

} // namespace paysmith
