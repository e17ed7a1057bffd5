#include "app/window/notebook.h"

#include "base/accessible/announcer.h"
#include "base/accessible/childaccessible.h"
#include "base/qt/readablecolour.h"

#include <QAccessibleWidget>
#include <QEvent>

namespace paysmith {

namespace {

// One tab. Qt's own tabs report the current tab as focused whether or not
// the tab bar has the focus, so a screen reader would hear two focused
// objects: the tab and the field being edited.
class TabAccessible : public PressableChildAccessible {
  public:
    TabAccessible(QTabBar* bar, int index) : PressableChildAccessible(bar), m_index(index) {}

    bool isValid() const override { return bar() && m_index < bar()->count(); }
    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return bar()->tabText(m_index).remove(u'&').trimmed();
        case QAccessible::Description:
            return bar()->tabToolTip(m_index);
        default:
            return {};
        }
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s;
        const bool current = bar()->currentIndex() == m_index;
        s.selectable = true;
        s.focusable = bar()->focusPolicy() != Qt::NoFocus;
        s.selected = current;
        s.focused = current && bar()->hasFocus();
        s.disabled = !bar()->isTabEnabled(m_index);
        s.invisible = !bar()->isVisible() || !bar()->isTabVisible(m_index);
        return s;
    }
    QRect rect() const override {
        return bar()->tabRect(m_index).translated(bar()->mapToGlobal(QPoint(0, 0)));
    }

  protected:
    void press() override { bar()->setCurrentIndex(m_index); }

  private:
    QTabBar* bar() const { return static_cast<QTabBar*>(owner()); }

    int m_index;
};

class NotebookTabBarAccessible : public QAccessibleWidget {
  public:
    explicit NotebookTabBarAccessible(QTabBar* bar)
        : QAccessibleWidget(bar, QAccessible::PageTabList) {}

    int childCount() const override { return tabBar()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        return m_tabs.at(index, [this, index] { return new TabAccessible(tabBar(), index); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return m_tabs.indexOf(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int index = tabBar()->tabAt(tabBar()->mapFromGlobal(QPoint(x, y)));
        return index >= 0 ? child(index) : nullptr;
    }

  private:
    QTabBar* tabBar() const { return static_cast<QTabBar*>(widget()); }

    mutable ChildAccessibles m_tabs;
};

QAccessibleInterface* createAccessible(const QString&, QObject* object) {
    if (auto* bar = qobject_cast<NotebookTabBar*>(object))
        return new NotebookTabBarAccessible(bar);
    return nullptr;
}

} // namespace

NotebookTabBar::NotebookTabBar(QWidget* parent) : QTabBar(parent) {
    [[maybe_unused]] static const bool installed =
        (QAccessible::installFactory(createAccessible), true);
    connect(this, &QTabBar::currentChanged, this, &NotebookTabBar::colourCurrentTab);
}

// A style sheet would do it too, but it would also stop the window's font from
// reaching the pages. The other tabs keep no colour of their own, so they
// follow the palette.
void NotebookTabBar::colourCurrentTab() {
    const QColor current = readableAccent(Qt::blue, palette().color(QPalette::Window));
    for (int i = 0; i < count(); ++i)
        setTabTextColor(i, i == currentIndex() ? current : QColor());
}

void NotebookTabBar::changeEvent(QEvent* event) {
    QTabBar::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        colourCurrentTab();
}

void NotebookTabBar::mousePressEvent(QMouseEvent* event) {
    m_clicking = true;
    QTabBar::mousePressEvent(event);
    m_clicking = false;
}

Notebook::Notebook(QWidget* parent) : QTabWidget(parent) {
    auto* bar = new NotebookTabBar(this);
    setTabBar(bar);
    // With the focus on the tab bar, its own focus and selection events name
    // the page turned to by the keys; a page turned otherwise (a click, Reset,
    // a screen reader pressing a tab) is announced, as the click moves the
    // focus into the page, whose field a reader then says instead.
    connect(this, &QTabWidget::currentChanged, this, [this, bar](int index) {
        if (index >= 0 && isVisible() && (!bar->hasFocus() || bar->clicking()))
            announce(this, tr("%1 page").arg(tabText(index).remove(u'&').trimmed()));
    });
}

} // namespace paysmith
