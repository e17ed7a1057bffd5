#include "numfield/widget/refusalballoon.h"

#include "base/accessible/announcer.h"

namespace paysmith {

namespace {

constexpr int kShownMilliseconds = 4000;

} // namespace

RefusalBalloon::RefusalBalloon(QWidget* field)
    : QLabel(field, Qt::ToolTip | Qt::FramelessWindowHint), m_field(field) {
    setObjectName("refusalBalloon");
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(3);
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(kShownMilliseconds);
    connect(&m_timeout, &QTimer::timeout, this, &RefusalBalloon::putAway);
}

void RefusalBalloon::showBelowField(const QString& text) {
    // A window of its own, the note would take Qt's default font, not the
    // font of the field it speaks for.
    setFont(m_field->font());
    setText(text);
    adjustSize();
    move(m_field->mapToGlobal(QPoint(0, m_field->height())));
    show();
    m_timeout.start();
    // Drawn in a window of its own, the note is heard only when told.
    announce(m_field, text);
}

void RefusalBalloon::putAway() {
    m_timeout.stop();
    hide();
}

} // namespace paysmith
