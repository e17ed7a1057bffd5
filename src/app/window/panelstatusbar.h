#pragma once

#include <QWidget>

class QLabel;

namespace paysmith {

// The main window's status bar: the web panel with the maker's site name on
// the left, inviting a click, and the hint panel filling the rest.
class PanelStatusBar : public QWidget {
    Q_OBJECT
  public:
    explicit PanelStatusBar(QWidget* parent);

    QLabel* webPanel() const { return m_webPanel; }
    QLabel* hintPanel() const { return m_hintPanel; }
    // The hint panel's text when nothing else is shown: site name and slogan.
    QString restingText() const;

  signals:
    // A mouse button, any one, was released over a panel.
    void panelClicked(QLabel* panel);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QLabel* m_webPanel;
    QLabel* m_hintPanel;
};

} // namespace paysmith
