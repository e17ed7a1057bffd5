#pragma once

#include "base/accessible/childaccessible.h"

#include <QAccessibleWidget>
#include <QRect>
#include <QString>

#include <string>
#include <vector>

namespace paysmith {

class TRichLabel;

// The text of a rich-text label as a reader takes it: its words with a line
// end for each paragraph or break, and its links with where they stand.
struct RichLabelText {
    struct Link {
        int start = 0; // in `text`
        int end = 0;
        QString target;
    };
    QString text;
    std::vector<Link> links;
};
RichLabelText richLabelText(const TRichLabel& label);

// A rich-text label for screen readers: a read-only text holding its words,
// whose links are children that a reader names and presses.
class RichLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit RichLabelAccessible(TRichLabel* label);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

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

    TRichLabel* label() const;
    // Where the label draws its `index`th link, on the screen.
    QRect linkRect(int index) const;

  private:
    mutable ChildAccessibles m_links;
};

// Makes Qt's accessibility use RichLabelAccessible for every rich-text
// label; once is enough, more calls do nothing.
void installRichLabelAccessibility();

} // namespace paysmith
