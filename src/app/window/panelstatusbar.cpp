#include "app/window/panelstatusbar.h"

#include "base/palette/accentkeeper.h"
#include "base/qt/qtstrings.h"
#include "dialogs/common/linkmenu.h"
#include "dialogs/links/maker.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMouseEvent>

namespace paysmith {

namespace {

constexpr int kWebPanelWidth = 96;
constexpr int kPanelGap = 2;
// The hand shows only up to this many pixels short of the web panel's right
// edge; the invitation shows up to the edge itself.
constexpr int kHandMargin = 5;

} // namespace

PanelStatusBar::PanelStatusBar(QWidget* parent)
    : QWidget(parent), m_webPanel(new QLabel(this)), m_hintPanel(new QLabel(this)) {
    setObjectName("statusBar");
    setFixedHeight(19);
    setMouseTracking(true);

    m_webPanel->setObjectName("WebPanel");
    m_webPanel->setText(toQString(maker::kSiteName));
    m_webPanel->setAlignment(Qt::AlignCenter);
    QFont linkFont(QStringLiteral("Arial"));
    linkFont.setPixelSize(11);
    linkFont.setUnderline(true);
    m_webPanel->setFont(linkFont);
    keepAccent(m_webPanel, Qt::blue);

    m_hintPanel->setObjectName("HintPanel");
    m_hintPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_hintPanel->setText(restingText());

    // The bar itself follows the pointer and the clicks over both panels.
    for (QLabel* panel : {m_webPanel, m_hintPanel})
        panel->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The menus of a right click come at the release, which decides between
    // the web panel's own menu and the window's.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

QString PanelStatusBar::restingText() const {
    return toQString(maker::kSiteName) + QStringLiteral(" - ") +
           translated("paysmith::maker", maker::kSlogan);
}

void PanelStatusBar::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    const int x = event->position().toPoint().x();
    const int webWidth = m_webPanel->width();
    if (x < webWidth - kHandMargin)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    m_hintPanel->setText(x <= webWidth ? tr("Click to visit ") + toQString(maker::kSiteName)
                                       : restingText());
}

void PanelStatusBar::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    const bool rightButton = event->button() == Qt::RightButton;
    if (rightButton && m_webPanel->geometry().contains(at)) {
        showLinkMenu(this, event->globalPosition().toPoint(), m_webAddress,
                     [this] { emit panelClicked(m_webPanel); });
        return;
    }
    for (QLabel* panel : {m_webPanel, m_hintPanel})
        if (panel->geometry().contains(at))
            emit panelClicked(panel);
    if (rightButton && parentWidget()) {
        QContextMenuEvent menu(QContextMenuEvent::Mouse, mapTo(parentWidget(), at),
                               event->globalPosition().toPoint());
        QApplication::sendEvent(parentWidget(), &menu);
    }
}

void PanelStatusBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_webPanel->setGeometry(0, 0, kWebPanelWidth, height());
    m_hintPanel->setGeometry(kWebPanelWidth + kPanelGap, 0, width() - kWebPanelWidth - kPanelGap,
                             height());
}

} // namespace paysmith
