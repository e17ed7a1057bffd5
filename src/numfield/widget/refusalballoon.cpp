#include "numfield/widget/refusalballoon.h"

#include "base/accessible/announcer.h"

#include <QEvent>

namespace paysmith {

RefusalBalloon::RefusalBalloon(QWidget* field)
    : QLabel(field, Qt::ToolTip | Qt::FramelessWindowHint), m_field(field) {
    setObjectName("refusalBalloon");
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(3);
}

void RefusalBalloon::showBelowField(const QString& text) {
    // A window of its own, the note would take Qt's default font, not the
    // font of the field it speaks for.
    setFont(m_field->font());
    setText(text);
    adjustSize();
    placeBelowField();
    // A window of its own, the note would stay behind when the field's window
    // is moved or resized while it is up.
    m_field->window()->installEventFilter(this);
    show();
    // Drawn in a window of its own, the note is heard only when told.
    announce(m_field, text);
}

void RefusalBalloon::putAway() {
    m_field->window()->removeEventFilter(this);
    hide();
}

void RefusalBalloon::placeBelowField() {
    move(m_field->mapToGlobal(QPoint(0, m_field->height())));
}

bool RefusalBalloon::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        placeBelowField();
    return QLabel::eventFilter(watched, event);
}

} // namespace paysmith
