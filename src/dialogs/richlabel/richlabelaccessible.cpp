#include "dialogs/richlabel/richlabelaccessible.h"

#include "base/accessible/childaccessible.h"
#include "base/qt/qtstrings.h"
#include "dialogs/richlabel/richlabel.h"

#include <algorithm>
#include <utility>

namespace paysmith {

namespace {

QAccessibleInterface* createAccessible(const QString&, QObject* object) {
    if (auto* label = qobject_cast<TRichLabel*>(object))
        return new RichLabelAccessible(label);
    return nullptr;
}

// One link of a label: a child a reader names after its words and presses.
class LinkAccessible : public PressableChildAccessible {
  public:
    LinkAccessible(TRichLabel* label, int index)
        : PressableChildAccessible(label), m_index(index) {}

    bool isValid() const override {
        return label() && m_index < static_cast<int>(richLabelText(*label()).links.size());
    }
    QString text(QAccessible::Text t) const override {
        const RichLabelText whole = richLabelText(*label());
        const RichLabelText::Link& link = whole.links[static_cast<std::size_t>(m_index)];
        if (t == QAccessible::Name)
            return whole.text.mid(link.start, link.end - link.start).simplified();
        return t == QAccessible::Value ? link.target : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Link; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.linked = true;
        s.invisible = !label()->isVisible();
        return s;
    }
    QRect rect() const override {
        return static_cast<RichLabelAccessible*>(QAccessible::queryAccessibleInterface(label()))
            ->linkRect(m_index);
    }

  protected:
    void press() override { label()->openLink(toU16String(text(QAccessible::Value))); }

  private:
    TRichLabel* label() const { return static_cast<TRichLabel*>(owner()); }

    int m_index;
};

} // namespace

RichLabelText richLabelText(const TRichLabel& label) {
    RichLabelText whole;
    bool inLink = false;
    for (const MarkupItem& item : label.items()) {
        if (item.kind == MarkupItem::Kind::LineEnd) {
            whole.text += u'\n';
            inLink = false;
            continue;
        }
        if (item.kind != MarkupItem::Kind::Text)
            continue;
        const int start = static_cast<int>(whole.text.size());
        whole.text += toQString(item.text);
        const QString target = toQString(item.style.target);
        if (!item.style.link) {
            inLink = false;
        } else if (inLink && whole.links.back().target == target) {
            whole.links.back().end = static_cast<int>(whole.text.size());
        } else {
            whole.links.push_back({start, static_cast<int>(whole.text.size()), target});
            inLink = true;
        }
    }
    // A closing line end reads as nothing.
    while (whole.text.endsWith(u'\n'))
        whole.text.chop(1);
    for (RichLabelText::Link& link : whole.links)
        link.end = std::min(link.end, static_cast<int>(whole.text.size()));
    return whole;
}

RichLabelAccessible::RichLabelAccessible(TRichLabel* label)
    : QAccessibleWidget(label, QAccessible::EditableText) {}

TRichLabel* RichLabelAccessible::label() const {
    return static_cast<TRichLabel*>(widget());
}

QString RichLabelAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value)
        return richLabelText(*label()).text;
    return QAccessibleWidget::text(t);
}

QAccessible::State RichLabelAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = false;
    s.readOnly = true;
    s.multiLine = true;
    s.selectableText = true;
    return s;
}

void* RichLabelAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int RichLabelAccessible::childCount() const {
    return static_cast<int>(richLabelText(*label()).links.size());
}

QAccessibleInterface* RichLabelAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    return m_links.at(index, [this, index] { return new LinkAccessible(label(), index); });
}

int RichLabelAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return m_links.indexOf(child);
}

QAccessibleInterface* RichLabelAccessible::childAt(int x, int y) const {
    for (int k = 0; k < childCount(); ++k)
        if (linkRect(k).contains(x, y))
            return child(k);
    return nullptr;
}

QRect RichLabelAccessible::linkRect(int index) const {
    // The layout's links come in the order of the text's; a link wrapped
    // over lines is one link with one rectangle around its pieces.
    QRect found;
    int seen = -1;
    bool inLink = false;
    std::u16string target;
    for (const LaidOutLine& line : label()->layout().lines)
        for (const PlacedRun& run : line.runs) {
            if (!run.style.link) {
                inLink = false;
                continue;
            }
            if (!inLink || run.style.target != target)
                ++seen;
            inLink = true;
            target = run.style.target;
            if (seen == index)
                found |= QRect(run.x, line.top, run.width, line.height);
        }
    return found.translated(label()->mapToGlobal(QPoint(0, 0)));
}

void RichLabelAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

int RichLabelAccessible::selectionCount() const {
    return 0;
}

void RichLabelAccessible::addSelection(int, int) {}

void RichLabelAccessible::removeSelection(int) {}

void RichLabelAccessible::setSelection(int, int, int) {}

int RichLabelAccessible::cursorPosition() const {
    return 0;
}

void RichLabelAccessible::setCursorPosition(int) {}

QString RichLabelAccessible::text(int startOffset, int endOffset) const {
    const QString whole = richLabelText(*label()).text;
    if (startOffset < 0 || endOffset < startOffset || endOffset > whole.size())
        return {};
    return whole.mid(startOffset, endOffset - startOffset);
}

QString RichLabelAccessible::textBeforeOffset(int offset,
                                              QAccessible::TextBoundaryType boundaryType,
                                              int* startOffset, int* endOffset) const {
    return paysmith::textBeforeOffset(richLabelText(*label()).text, offset, boundaryType,
                                      startOffset, endOffset);
}

QString RichLabelAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int* startOffset, int* endOffset) const {
    return paysmith::textAtOffset(richLabelText(*label()).text, offset, boundaryType, startOffset,
                                  endOffset);
}

QString RichLabelAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int* startOffset, int* endOffset) const {
    return paysmith::textAfterOffset(richLabelText(*label()).text, offset, boundaryType,
                                     startOffset, endOffset);
}

int RichLabelAccessible::characterCount() const {
    return static_cast<int>(richLabelText(*label()).text.size());
}

QRect RichLabelAccessible::characterRect(int) const {
    return {};
}

int RichLabelAccessible::offsetAtPoint(const QPoint&) const {
    return -1;
}

void RichLabelAccessible::scrollToSubstring(int, int) {}

// The whole text is one run for a reader, which puts a line together from
// runs: an empty run would lose characters.
QString RichLabelAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void installRichLabelAccessibility() {
    [[maybe_unused]] static const bool installed =
        (QAccessible::installFactory(createAccessible), true);
}

} // namespace paysmith
