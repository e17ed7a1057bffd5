#include "dialogs/urllabel/urllabel.h"

#include "base/accessible/announcer.h"
#include "base/qt/qtstrings.h"
#include "base/qt/readablecolour.h"
#include "dialogs/shell/desktopshell.h"
#include "dialogs/urllabel/urllabelaccessible.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QTimer>

namespace paysmith {

namespace {

constexpr int kHoverPollMilliseconds = 100;

QColor toQColor(LabelColour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

LabelColour toLabelColour(const QColor& colour) {
    return static_cast<LabelColour>(colour.red()) | static_cast<LabelColour>(colour.green()) << 8 |
           static_cast<LabelColour>(colour.blue()) << 16;
}

} // namespace

TUrlLabel::TUrlLabel(QWidget* parent) : ClickableLabel(parent) {
    installUrlLabelAccessibility();
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setUnderlineURL(true);
}

void TUrlLabel::setCaption(const QString& caption) {
    m_caption = caption;
    showText();
}

void TUrlLabel::setURL(const QString& url) {
    m_url = url;
    showText();
}

void TUrlLabel::showText() {
    setText(toQString(shownLinkText(toU16String(m_caption), toU16String(m_url))));
}

void TUrlLabel::setHighlightColor(LabelColour colour) {
    m_state.setHighlightColor(colour, fontColour());
}

void TUrlLabel::setVisitedColor(LabelColour colour) {
    m_state.setVisitedColor(colour, fontColour());
}

void TUrlLabel::setUnderlineURL(bool underline) {
    QFont underlined = font();
    underlined.setUnderline(underline);
    setFont(underlined);
}

LabelColour TUrlLabel::fontColour() const {
    return toLabelColour(palette().color(foregroundRole()));
}

void TUrlLabel::setFontColour(LabelColour colour) {
    QPalette coloured = palette();
    coloured.setColor(foregroundRole(), toQColor(colour));
    setPalette(coloured);
}

QColor TUrlLabel::shownColour() const {
    return readableAccent(palette().color(foregroundRole()), palette().color(backgroundRole()));
}

// As a label draws its plain text, in the shown colour: the colours a link is
// given are chosen for a light window.
void TUrlLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    QPalette shown = palette();
    shown.setColor(foregroundRole(), shownColour());
    const int wrap = wordWrap() ? Qt::TextWordWrap : 0;
    style()->drawItemText(
        &painter, contentsRect(),
        static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment())) | wrap, shown,
        isEnabled(), text(), foregroundRole());
}

void TUrlLabel::Click() {
    if (!m_url.isEmpty()) {
        const QString address = toQString(addressToOpen(toU16String(m_url)));
        openTarget(address, nullptr,
                   [label = QPointer<TUrlLabel>(this), address](ShellAnswer answer) {
                       if (answer != ShellAnswer::Refused)
                           return;
                       desktopShell().beep();
                       if (!label)
                           return;
                       // The beep alone tells a listener nothing of what failed.
                       announce(label, refusedTargetText(address));
                       emit label->openRefused(address);
                   });
    }
    emit clicked();
    m_state.clicked();
}

void TUrlLabel::mouseMoveEvent(QMouseEvent* event) {
    ClickableLabel::mouseMoveEvent(event);
    if (m_hoverTimer || !rect().contains(event->position().toPoint()))
        return;
    setFontColour(m_state.beginHighlight(fontColour()));
    m_hoverTimer = new QTimer(this);
    m_hoverTimer->setInterval(kHoverPollMilliseconds);
    connect(m_hoverTimer, &QTimer::timeout, this, &TUrlLabel::hoverTick);
    m_hoverTimer->start();
}

void TUrlLabel::hoverTick() {
    if (rect().contains(mapFromGlobal(QCursor::pos())))
        return;
    m_hoverTimer->deleteLater();
    m_hoverTimer = nullptr;
    setFontColour(m_state.endHighlight());
    update();
}

} // namespace paysmith
