#include "dialogs/richlabel/richlabel.h"

#include "dialogs/richlabel/richlabelaccessible.h"

#include "base/qt/qtstrings.h"
#include "base/qt/readablecolour.h"
#include "dialogs/common/linkmenu.h"
#include "dialogs/shell/desktopshell.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace paysmith {

namespace {

class FontMeasure : public TextMeasure {
  public:
    explicit FontMeasure(const TRichLabel& label, std::function<QFont(const RunStyle&)> fontOf)
        : m_label(label), m_fontOf(std::move(fontOf)) {}

    int width(std::u16string_view text, const RunStyle& style) const override {
        return QFontMetrics(m_fontOf(style), &m_label).horizontalAdvance(toQString(text));
    }
    int ascent(const RunStyle& style) const override {
        return QFontMetrics(m_fontOf(style), &m_label).ascent();
    }
    int height(const RunStyle& style) const override {
        return QFontMetrics(m_fontOf(style), &m_label).height();
    }

  private:
    const TRichLabel& m_label;
    std::function<QFont(const RunStyle&)> m_fontOf;
};

bool opensOnTheDesktop(const std::u16string& target) {
    return target.find(u"://") != std::u16string::npos ||
           target.find(u"mailto:") != std::u16string::npos;
}

} // namespace

TRichLabel::TRichLabel(QWidget* parent) : QWidget(parent) {
    installRichLabelAccessibility();
    setMouseTracking(true);
}

void TRichLabel::setMarkupText(const QString& markup) {
    m_markup = markup;
    m_items = parseMarkup(toU16String(markup));
    relayOut();
}

void TRichLabel::setURLColor(const QColor& colour) {
    m_urlColor = colour;
    update();
}

QColor TRichLabel::shownURLColor() const {
    return readableAccent(m_urlColor, palette().color(backgroundRole()));
}

void TRichLabel::setTransparent(bool transparent) {
    setAutoFillBackground(!transparent);
    update();
}

QFont TRichLabel::fontOf(const RunStyle& style) const {
    QFont styled = font();
    if (style.points > 0)
        styled.setPointSize(style.points);
    styled.setBold(style.bold || font().bold());
    styled.setItalic(style.italic || font().italic());
    styled.setUnderline(style.link || font().underline());
    return styled;
}

void TRichLabel::relayOut() {
    const FontMeasure measure(*this, [this](const RunStyle& style) { return fontOf(style); });
    m_layout = layOut(m_items, width(), measure);
    update();
}

void TRichLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(rect());
    const QColor textColour = palette().color(foregroundRole());
    const QColor linkColour = shownURLColor();
    for (const LaidOutLine& line : m_layout.lines) {
        if (line.top >= height())
            break;
        for (const PlacedRun& run : line.runs) {
            painter.setFont(fontOf(run.style));
            painter.setPen(run.style.link ? linkColour : textColour);
            painter.drawText(run.x, line.top + line.baseline, toQString(run.text));
        }
    }
}

void TRichLabel::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    const QPoint at = event->position().toPoint();
    if (linkAt(m_layout, at.x(), at.y()))
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void TRichLabel::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::RightButton)
        return;
    const QPoint at = event->position().toPoint();
    if (const std::optional<std::u16string> target = linkAt(m_layout, at.x(), at.y()))
        openLink(*target);
}

void TRichLabel::contextMenuEvent(QContextMenuEvent* event) {
    const std::optional<std::u16string> target = linkAt(m_layout, event->x(), event->y());
    if (!target) {
        event->ignore();
        return;
    }
    showLinkMenu(this, event->globalPos(), toQString(*target),
                 [this, target = *target] { openLink(target); });
}

void TRichLabel::openLink(const std::u16string& target) {
    // What the desktop makes of the address is its own affair: a link that
    // cannot be opened is not reported.
    if (opensOnTheDesktop(target))
        openTarget(toQString(target), nullptr);
    else
        emit OnAnchorClick(this, toQString(target));
}

void TRichLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        relayOut();
}

void TRichLabel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayOut();
}

} // namespace paysmith
