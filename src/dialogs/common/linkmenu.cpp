#include "dialogs/common/linkmenu.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>

namespace paysmith {

void showLinkMenu(QWidget* link, const QPoint& globalPos, const QString& address,
                  const std::function<void()>& open) {
    // Without a parent: the link may go with its window while the menu is up.
    QMenu menu;
    menu.setObjectName("linkMenu");
    const QAction* openLink =
        menu.addAction(QCoreApplication::translate("paysmith::LinkMenu", "&Open Link"));
    const QAction* copyAddress =
        menu.addAction(QCoreApplication::translate("paysmith::LinkMenu", "&Copy Link Address"));
    const QPointer<QWidget> stillThere(link);
    const QAction* chosen = menu.exec(globalPos);
    if (chosen == copyAddress)
        QGuiApplication::clipboard()->setText(address);
    else if (chosen == openLink && stillThere)
        open();
}

} // namespace paysmith
