#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace paysmith::testing_support {

// Answers the next popup menu from inside its own event loop: notes its name,
// then chooses the entry whose text is `choose`, or puts the menu away when
// `choose` is empty.
class PopupAnswer {
  public:
    explicit PopupAnswer(QString choose = {}) : m_choose(std::move(choose)) {
        QObject::connect(&m_poll, &QTimer::timeout, [this] { answer(); });
        m_poll.start(0);
    }

    QString name;

  private:
    void answer() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        m_poll.stop();
        name = menu->objectName();
        for (QAction* action : menu->actions())
            if (action->text() == m_choose)
                menu->setActiveAction(action);
        if (m_choose.isEmpty())
            menu->close();
        else
            QTest::keyClick(menu, Qt::Key_Return);
    }

    QString m_choose;
    QTimer m_poll;
};

// A right click as X11 delivers it: the press, the context menu request, the
// release. QTest's own clicks ask for no context menu.
inline void rightClick(QWidget* widget, QPoint at) {
    QTest::mousePress(widget, Qt::RightButton, {}, at);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &request);
    QTest::mouseRelease(widget, Qt::RightButton, {}, at);
}

} // namespace paysmith::testing_support
