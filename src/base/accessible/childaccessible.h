#pragma once

#include <QAccessible>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace paysmith {

// A part of a widget that screen readers see as a child of its own and can
// press, such as a tab of a tab bar or a link of a label, though it is no
// object of its own. Subclasses say what it is and what a press does.
class PressableChildAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    explicit PressableChildAccessible(QWidget* owner) : m_owner(owner) {}

    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    void* interface_cast(QAccessible::InterfaceType type) override;
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  protected:
    virtual void press() = 0;
    QWidget* owner() const { return m_owner; }

  private:
    QPointer<QWidget> m_owner;
};

// The children of a widget's interface that are no objects, each made on
// first asking and registered, so that it keeps one id for as long as the
// widget's interface lives; they go with it.
class ChildAccessibles {
  public:
    ChildAccessibles() = default;
    ~ChildAccessibles();
    ChildAccessibles(const ChildAccessibles&) = delete;
    ChildAccessibles& operator=(const ChildAccessibles&) = delete;

    QAccessibleInterface* at(int index, const std::function<QAccessibleInterface*()>& make);
    int indexOf(const QAccessibleInterface* child) const;

  private:
    QHash<int, QAccessible::Id> m_ids;
};

// What readers ask of a text in one style by boundary, around `offset`: a
// character; a word, a run between blanks; a line, sentence or paragraph, up
// to and with its line end; or the whole. Qt's own versions of these hang for
// a word at the very end of the text, where a reader asks with the caret
// standing there.
QString textAtOffset(const QString& text, int offset, QAccessible::TextBoundaryType type,
                     int* startOffset, int* endOffset);
QString textBeforeOffset(const QString& text, int offset, QAccessible::TextBoundaryType type,
                         int* startOffset, int* endOffset);
QString textAfterOffset(const QString& text, int offset, QAccessible::TextBoundaryType type,
                        int* startOffset, int* endOffset);

} // namespace paysmith
