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
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // The current tab's caption is blue, or as blue as reads on the window.
    void colourCurrentTab();

    bool m_clicking = false;
};

// The main window's notebook of pages, with a NotebookTabBar.
class Notebook : public QTabWidget {
    Q_OBJECT
  public:
    explicit Notebook(QWidget* parent);
};

} // namespace paysmith
