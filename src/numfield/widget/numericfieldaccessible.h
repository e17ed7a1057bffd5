#pragma once

#include <QAccessibleWidget>
#include <QString>

namespace paysmith {

class TNumericField;

// What screen readers get of a numeric field: its text as shown, with the
// caret at its right end and a selection of all or nothing, and a numeric
// value with the field's range.
class NumericFieldAccessible : public QAccessibleWidget,
                               public QAccessibleValueInterface,
                               public QAccessibleTextInterface {
  public:
    explicit NumericFieldAccessible(TNumericField* field);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

  private:
    TNumericField* field() const;
};

// Tells screen readers what changed in a field's text, caret and selection
// since they were last told.
class FieldTextAnnouncer {
  public:
    // Takes the field as it is now for known, telling nobody.
    void reset(const TNumericField& field);
    void announce(TNumericField& field);

  private:
    QString m_text;
    bool m_selected = false;
};

// A result field shows what the program computes and overwrites whatever is
// typed into it, so screen readers hear it as read-only.
void markAsResult(TNumericField* field);

// Makes Qt's accessibility use NumericFieldAccessible for every field; once
// is enough, more calls do nothing.
void installNumericFieldAccessibility();

} // namespace paysmith
