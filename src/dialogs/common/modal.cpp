#include "dialogs/common/modal.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>

namespace paysmith {

void execCentredAndRelease(QDialog* dialog) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (const QWidget* active = QApplication::activeWindow())
        screen = active->screen();
    if (screen)
        dialog->move(screen->availableGeometry().center() - dialog->rect().center());
    dialog->exec();
}

} // namespace paysmith
