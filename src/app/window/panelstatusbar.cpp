#include "app/window/panelstatusbar.h"

#include "base/qt/qtstrings.h"
#include "dialogs/links/maker.h"

#include <QLabel>

namespace paysmith {

namespace {

constexpr int kWebPanelWidth = 96;

} // namespace

PanelStatusBar::PanelStatusBar(QWidget* parent)
    : QWidget(parent), m_webPanel(new QLabel(this)), m_hintPanel(new QLabel(this)) {
    setObjectName("statusBar");
    setFixedHeight(19);

    m_webPanel->setObjectName("WebPanel");
    m_webPanel->setText(toQString(maker::kSiteName));
    m_webPanel->setAlignment(Qt::AlignCenter);
    QFont linkFont("Arial");
    linkFont.setPixelSize(11);
    linkFont.setUnderline(true);
    m_webPanel->setFont(linkFont);
    m_webPanel->setStyleSheet("color: blue");

    m_hintPanel->setObjectName("HintPanel");
    m_hintPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_hintPanel->setText(toQString(maker::kSiteName) + " - " +
                         translated("paysmith::maker", maker::kSlogan));
}

void PanelStatusBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_webPanel->setGeometry(0, 0, kWebPanelWidth, height());
    m_hintPanel->setGeometry(kWebPanelWidth + 2, 0, width() - kWebPanelWidth - 2, height());
}

} // namespace paysmith
