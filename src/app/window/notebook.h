#pragma once

#include <QTabBar>
#include <QTabWidget>

namespace paysmith {

// The tab bar of the main window's notebook. Its own class so that screen
// readers get its tabs from NotebookTabBarAccessible.
class NotebookTabBar : public QTabBar {
    Q_OBJECT
  public:
    explicit NotebookTabBar(QWidget* parent);

    // Whether the current tab is being changed by the mouse.
    bool clicking() const { return m_clicking; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    bool m_clicking = false;
};

// The main window's notebook of pages, with a NotebookTabBar.
class Notebook : public QTabWidget {
    Q_OBJECT
  public:
    explicit Notebook(QWidget* parent);
};

} // namespace paysmith
