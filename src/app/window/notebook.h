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

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The current tab's caption is blue, or as blue as reads on the window.
    void colourCurrentTab();
};

// The main window's notebook of pages, with a NotebookTabBar.
class Notebook : public QTabWidget {
    Q_OBJECT
  public:
    explicit Notebook(QWidget* parent);
};

} // namespace paysmith
