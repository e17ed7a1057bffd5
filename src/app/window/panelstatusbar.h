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
    // What the web panel opens, for its menu.
    void setWebAddress(const QString& address) { m_webAddress = address; }

  signals:
    // A mouse button was released over a panel; the right one over the web
    // panel brings up the link's menu instead.
    void panelClicked(QLabel* panel);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QLabel* m_webPanel;
    QLabel* m_hintPanel;
    QString m_webAddress;
};

} // namespace paysmith
