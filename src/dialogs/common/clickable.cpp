#include "dialogs/common/clickable.h"

#include "dialogs/common/linkmenu.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace paysmith {

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    m_pressed = event->button() == Qt::LeftButton;
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        mouseClick();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        mouseClick();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::contextMenuEvent(QContextMenuEvent* event) {
    if (m_linkAddress.isEmpty()) {
        event->ignore();
        return;
    }
    showLinkMenu(this, event->globalPos(), m_linkAddress, [this] { mouseClick(); });
}

ClickablePicture::ClickablePicture(QWidget* parent) : ClickableLabel(parent) {
    setMouseTracking(true);
}

void ClickablePicture::setPicture(const QPixmap& picture) {
    setPixmap(picture);
    if (!picture.isNull())
        resize(picture.size());
}

void ClickablePicture::mouseMoveEvent(QMouseEvent* event) {
    ClickableLabel::mouseMoveEvent(event);
    setCursor(Qt::PointingHandCursor);
}

} // namespace paysmith
