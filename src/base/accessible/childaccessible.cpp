#include "base/accessible/childaccessible.h"

#include <QWindow>

#include <algorithm>
#include <utility>

namespace paysmith {

namespace {

// The piece of `text` around `offset`, as [start, end). At the end of the
// text a character is empty and a word is the last one.
std::pair<int, int> pieceAt(const QString& text, int offset, QAccessible::TextBoundaryType type) {
    const int length = static_cast<int>(text.size());
    offset = std::clamp(offset, 0, length);
    const auto runBetween = [&](auto isBreak, bool keepBreak) {
        int start = offset;
        while (start > 0 && !isBreak(text[start - 1]))
            --start;
        int end = offset;
        while (end < length && !isBreak(text[end]))
            ++end;
        // A line keeps its line end, so that the next one starts after it.
        if (keepBreak && end < length)
            ++end;
        return std::pair(start, std::max(end, std::min(offset + 1, length)));
    };
    switch (type) {
    case QAccessible::CharBoundary:
        return {offset, std::min(offset + 1, length)};
    case QAccessible::WordBoundary:
        return runBetween([](QChar c) { return c.isSpace(); }, false);
    case QAccessible::SentenceBoundary:
    case QAccessible::ParagraphBoundary:
    case QAccessible::LineBoundary:
        return runBetween([](QChar c) { return c == u'\n'; }, true);
    default:
        return {0, length};
    }
}

QString cut(const QString& text, std::pair<int, int> piece, int* startOffset, int* endOffset) {
    *startOffset = piece.first;
    *endOffset = piece.second;
    return text.mid(piece.first, piece.second - piece.first);
}

} // namespace

QWindow* PressableChildAccessible::window() const {
    return m_owner ? m_owner->window()->windowHandle() : nullptr;
}

QAccessibleInterface* PressableChildAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(m_owner);
}

void* PressableChildAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

void PressableChildAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && m_owner)
        press();
}

ChildAccessibles::~ChildAccessibles() {
    for (const QAccessible::Id id : std::as_const(m_ids))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* ChildAccessibles::at(int index,
                                           const std::function<QAccessibleInterface*()>& make) {
    if (const auto known = m_ids.constFind(index); known != m_ids.cend())
        return QAccessible::accessibleInterface(*known);
    QAccessibleInterface* child = make();
    m_ids.insert(index, QAccessible::registerAccessibleInterface(child));
    return child;
}

int ChildAccessibles::indexOf(const QAccessibleInterface* child) const {
    for (auto it = m_ids.cbegin(); it != m_ids.cend(); ++it)
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key();
    return -1;
}

QString textAtOffset(const QString& text, int offset, QAccessible::TextBoundaryType type,
                     int* startOffset, int* endOffset) {
    return cut(text, pieceAt(text, offset, type), startOffset, endOffset);
}

QString textBeforeOffset(const QString& text, int offset, QAccessible::TextBoundaryType type,
                         int* startOffset, int* endOffset) {
    const int start = pieceAt(text, offset, type).first;
    if (start == 0)
        return cut(text, {0, 0}, startOffset, endOffset);
    return cut(text, pieceAt(text, start - 1, type), startOffset, endOffset);
}

QString textAfterOffset(const QString& text, int offset, QAccessible::TextBoundaryType type,
                        int* startOffset, int* endOffset) {
    const int end = pieceAt(text, offset, type).second;
    if (end >= text.size())
        return cut(text, {end, end}, startOffset, endOffset);
    return cut(text, pieceAt(text, end, type), startOffset, endOffset);
}

} // namespace paysmith
