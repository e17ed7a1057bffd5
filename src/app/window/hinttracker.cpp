#include "app/window/hinttracker.h"

#include "base/hint/hint.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace paysmith {

HintTracker::HintTracker(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

HintTracker::~HintTracker() {
    qApp->removeEventFilter(this);
}

bool HintTracker::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::MouseMove:
    case QEvent::HoverMove:
    case QEvent::Wheel:
    case QEvent::Show:
    case QEvent::Hide:
        // A zero timer runs once the events already queued are handled: the
        // event loop's idle moment, however many events one movement brings.
        if (!m_pending) {
            m_pending = true;
            QTimer::singleShot(0, this, &HintTracker::recompute);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void HintTracker::recompute() {
    m_pending = false;
    const QWidget* under = QApplication::widgetAt(QCursor::pos());
    const QString hint = under ? currentHintOf(under) : QString();
    if (hint == m_hint)
        return;
    m_hint = hint;
    emit hintChanged(m_hint);
}

} // namespace paysmith
