#pragma once

#include "dialogs/links/linklabelstate.h"

#include "dialogs/common/clickable.h"

class QTimer;

namespace paysmith {

// A label that shows a link, lights up while the pointer is over it, and on
// a click hands its address to the desktop. Hidden ones open addresses that
// code sets.
class TUrlLabel : public ClickableLabel {
    Q_OBJECT
  public:
    explicit TUrlLabel(QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QString URL() const { return m_url; }
    void setURL(const QString& url);
    LabelColour HighlightColor() const { return m_state.highlightColor(); }
    void setHighlightColor(LabelColour colour);
    LabelColour VisitedColor() const { return m_state.visitedColor(); }
    void setVisitedColor(LabelColour colour);
    bool UseVisitedColor() const { return m_state.useVisitedColor(); }
    void setUseVisitedColor(bool use) { m_state.setUseVisitedColor(use); }
    bool UnderlineURL() const { return font().underline(); }
    void setUnderlineURL(bool underline);

    // The colour the font returns to when a highlight ends.
    LabelColour rememberedColor() const { return m_state.rememberedColor(); }
    bool isHighlighted() const { return m_hoverTimer != nullptr; }
    LabelColour fontColour() const;
    // The font's colour as drawn: lightened or darkened until it reads on the
    // label's background.
    QColor shownColour() const;

    // The click: opens the address, if any, then raises clicked(). A refused
    // address beeps and is reported through openRefused().
    void Click();

  signals:
    void openRefused(const QString& address);

  protected:
    void mouseClick() override { Click(); }
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void hoverTick();
    void setFontColour(LabelColour colour);
    void showText();

    LinkLabelState m_state;
    QString m_caption;
    QString m_url;
    QTimer* m_hoverTimer = nullptr; // present only while highlighted
};

} // namespace paysmith
