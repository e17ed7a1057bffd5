#pragma once

#include <QWidget>

class QLabel;

namespace paysmith {

// The main window's status bar: the web panel with the maker's site name on
// the left, the hint panel filling the rest.
class PanelStatusBar : public QWidget {
    Q_OBJECT
  public:
    explicit PanelStatusBar(QWidget* parent);

    QLabel* webPanel() const { return m_webPanel; }
    QLabel* hintPanel() const { return m_hintPanel; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QLabel* m_webPanel;
    QLabel* m_hintPanel;
};

} // namespace paysmith
