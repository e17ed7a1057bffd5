#include "dialogs/common/linkmenu.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>

namespace paysmith {

void showLinkMenu(QWidget* link, const QPoint& globalPos, const QString& address,
                  const std::function<void()>& open) {
    auto* menu = new QMenu(link);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setObjectName("linkMenu");
    QObject::connect(
        menu->addAction(QCoreApplication::translate("paysmith::LinkMenu", "&Open Link")),
        &QAction::triggered, link, open);
    QObject::connect(
        menu->addAction(QCoreApplication::translate("paysmith::LinkMenu", "&Copy Link Address")),
        &QAction::triggered, menu, [address] { QGuiApplication::clipboard()->setText(address); });
    menu->popup(globalPos);
}

} // namespace paysmith
