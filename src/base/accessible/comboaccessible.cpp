#include "base/accessible/comboaccessible.h"

#include "base/accessible/childaccessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QVariant>

namespace paysmith {

namespace {

constexpr char kHeardProperty[] = "paysmithValueHeard";

class ComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ComboAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == box()->view() ? 0 : -1;
    }

    // Named by its value, as Qt names it here; its caption labels it by a
    // relation.
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name || t == QAccessible::Value ? box()->currentText()
                                                                 : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        s.collapsed = !s.expanded;
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& actionName) override {
        if (actionName == showMenuAction() || actionName == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(actionName);
    }

    // The text is the value shown, read-only and without a caret.
    QString text(int startOffset, int endOffset) const override {
        return value().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(value().size()); }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                         int* endOffset) const override {
        return paysmith::textAtOffset(value(), offset, type, startOffset, endOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                             int* endOffset) const override {
        return paysmith::textBeforeOffset(value(), offset, type, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                            int* endOffset) const override {
        return paysmith::textAfterOffset(value(), offset, type, startOffset, endOffset);
    }
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

  private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
    QString value() const { return box()->currentText(); }
};

QAccessibleInterface* createAccessible(const QString&, QObject* object) {
    auto* box = qobject_cast<QComboBox*>(object);
    if (box && box->property(kHeardProperty).toBool())
        return new ComboAccessible(box);
    return nullptr;
}

} // namespace

void makeValueHeard(QComboBox* box) {
    [[maybe_unused]] static const bool installed =
        (QAccessible::installFactory(createAccessible), true);
    box->setProperty(kHeardProperty, true);
    // An interface made before the box was marked would stay Qt's.
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(box)));
}

} // namespace paysmith
