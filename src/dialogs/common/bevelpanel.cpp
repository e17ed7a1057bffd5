#include "dialogs/common/bevelpanel.h"

#include <QPainter>
#include <qdrawutil.h>

namespace paysmith {

BevelPanel::BevelPanel(QWidget* parent) : QFrame(parent) {
    // The frame's width, so that the contents start inside both bevels.
    setFrameStyle(QFrame::Panel | QFrame::Plain);
    setLineWidth(2);
    setAutoFillBackground(true);
    // White in a dark desktop palette too, and so its text stays black.
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), true, 1);
    qDrawShadePanel(&painter, rect().adjusted(1, 1, -1, -1), palette(), false, 1);
}

} // namespace paysmith
