#include "app/window/notebook.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace paysmith {

namespace {

// One tab. Qt's own tabs report the current tab as focused whether or not
// the tab bar has the focus, so a screen reader would hear two focused
// objects: the tab and the field being edited.
class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    TabAccessible(QTabBar* bar, int index) : m_bar(bar), m_index(index) {}

    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_bar->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_bar);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return m_bar->tabText(m_index).remove(u'&').trimmed();
        case QAccessible::Description:
            return m_bar->tabToolTip(m_index);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s;
        const bool current = m_bar->currentIndex() == m_index;
        s.selectable = true;
        s.focusable = m_bar->focusPolicy() != Qt::NoFocus;
        s.selected = current;
        s.focused = current && m_bar->hasFocus();
        s.disabled = !m_bar->isTabEnabled(m_index);
        s.invisible = !m_bar->isVisible() || !m_bar->isTabVisible(m_index);
        return s;
    }
    QRect rect() const override {
        return m_bar->tabRect(m_index).translated(m_bar->mapToGlobal(QPoint(0, 0)));
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction())
            m_bar->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QPointer<QTabBar> m_bar;
    int m_index;
};

class NotebookTabBarAccessible : public QAccessibleWidget {
  public:
    explicit NotebookTabBarAccessible(QTabBar* bar)
        : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~NotebookTabBarAccessible() override {
        for (const QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return tabBar()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (const auto known = m_tabs.constFind(index); known != m_tabs.cend())
            return QAccessible::accessibleInterface(*known);
        // Registered, a tab keeps one id for as long as the bar lives.
        auto* tab = new TabAccessible(tabBar(), index);
        m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto it = m_tabs.cbegin(); it != m_tabs.cend(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int index = tabBar()->tabAt(tabBar()->mapFromGlobal(QPoint(x, y)));
        return index >= 0 ? child(index) : nullptr;
    }

  private:
    QTabBar* tabBar() const { return static_cast<QTabBar*>(widget()); }

    mutable QHash<int, QAccessible::Id> m_tabs;
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
}

Notebook::Notebook(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new NotebookTabBar(this));
}

} // namespace paysmith
