#pragma once

#include "dialogs/richtext/layout.h"

#include <QColor>
#include <QWidget>

namespace paysmith {

// A label whose text is a little HTML: paragraphs, bold, italic, font sizes
// and links. Its size is fixed and its text starts at the top. A press of
// the left or middle button on a link opens it; the right one brings up the
// link's menu.
class TRichLabel : public QWidget {
    Q_OBJECT
  public:
    explicit TRichLabel(QWidget* parent = nullptr);

    QString MarkupText() const { return m_markup; }
    void setMarkupText(const QString& markup);
    QColor URLColor() const { return m_urlColor; }
    void setURLColor(const QColor& colour);
    // The links' colour as drawn: lightened or darkened until it reads on the
    // label's background.
    QColor shownURLColor() const;
    // A transparent label lets its parent's background show through.
    bool Transparent() const { return !autoFillBackground(); }
    void setTransparent(bool transparent);

    const TextLayout& layout() const { return m_layout; }
    const std::vector<MarkupItem>& items() const { return m_items; }
    // The label's own font with a run's style.
    QFont fontOf(const RunStyle& style) const;

    // Opens a link's target as a click on it does; screen readers press links
    // through this.
    void openLink(const std::u16string& target);

  signals:
    // A link whose target is neither a web nor an e-mail address was pressed.
    void OnAnchorClick(paysmith::TRichLabel* label, const QString& target);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void relayOut();

    QString m_markup;
    QColor m_urlColor = Qt::blue;
    std::vector<MarkupItem> m_items;
    TextLayout m_layout;
};

} // namespace paysmith
