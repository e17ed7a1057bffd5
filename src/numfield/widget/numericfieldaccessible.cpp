#include "numfield/widget/numericfieldaccessible.h"

#include "base/accessible/childaccessible.h"
#include "numfield/widget/numericfield.h"

#include <QVariant>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace paysmith {

namespace {

constexpr char kResultProperty[] = "paysmithResult";

QAccessibleInterface* createAccessible(const QString&, QObject* object) {
    if (auto* field = qobject_cast<TNumericField*>(object))
        return new NumericFieldAccessible(field);
    return nullptr;
}

void send(QAccessibleEvent&& event) {
    QAccessible::updateAccessibility(&event);
}

// Only the characters that changed are sent, so that a reader echoing a typed
// digit hears that digit, not the whole amount again.
void sendTextChange(QObject* field, const QString& before, const QString& after) {
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const int position = static_cast<int>(prefix);
    const QString removed = before.mid(prefix, before.size() - prefix - suffix);
    const QString inserted = after.mid(prefix, after.size() - prefix - suffix);
    if (removed.isEmpty())
        send(QAccessibleTextInsertEvent(field, position, inserted));
    else if (inserted.isEmpty())
        send(QAccessibleTextRemoveEvent(field, position, removed));
    else
        send(QAccessibleTextUpdateEvent(field, position, removed, inserted));
}

// What a Backspace or Delete took from the text: the characters a user
// typed that are gone, where they stood, when nothing else typed changed. The
// group marks that moved around them are left out, so that a reader says the
// digit deleted rather than the regrouped number: its copy of the text may
// then keep marks that moved, which readers that ask for the text never see.
std::optional<std::pair<int, QString>> typedRemoval(const QString& before, const QString& after,
                                                    QChar groupMark) {
    QString typedBefore;
    std::vector<int> at;
    for (int k = 0; k < before.size(); ++k)
        if (before[k] != groupMark) {
            typedBefore += before[k];
            at.push_back(k);
        }
    QString typedAfter = after;
    typedAfter.remove(groupMark);
    if (typedAfter.size() >= typedBefore.size())
        return std::nullopt;
    qsizetype prefix = 0;
    while (prefix < typedAfter.size() && typedBefore[prefix] == typedAfter[prefix])
        ++prefix;
    const qsizetype removed = typedBefore.size() - typedAfter.size();
    if (typedBefore.mid(prefix + removed) != typedAfter.mid(prefix))
        return std::nullopt;
    const int first = at[static_cast<std::size_t>(prefix)];
    const int last = at[static_cast<std::size_t>(prefix + removed - 1)];
    return std::pair(first, before.mid(first, last - first + 1));
}

} // namespace

NumericFieldAccessible::NumericFieldAccessible(TNumericField* field)
    : QAccessibleWidget(field, QAccessible::EditableText) {}

TNumericField* NumericFieldAccessible::field() const {
    return static_cast<TNumericField*>(widget());
}

QString NumericFieldAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value)
        return field()->text();
    return QAccessibleWidget::text(t);
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
NumericFieldAccessible::relations(QAccessible::Relation match) const {
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> found =
        QAccessibleWidget::relations(match);
    // Readers speak a field by the caption it is labelled by before its own
    // name. A field given a name of its own shares its caption with others
    // (one caption for a row of loans, carrying the mnemonic of the first):
    // only its name tells it apart.
    if (!field()->accessibleName().isEmpty())
        found.removeIf([](const auto& relation) { return relation.second & QAccessible::Label; });
    return found;
}

QAccessible::State NumericFieldAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = !field()->Options().contains(TEntryFieldOption::efoReadOnly) &&
                 !field()->property(kResultProperty).toBool();
    s.readOnly = !s.editable;
    s.selectableText = true;
    return s;
}

void* NumericFieldAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant NumericFieldAccessible::currentValue() const {
    return field()->model().shownValue();
}

void NumericFieldAccessible::setCurrentValue(const QVariant& value) {
    if (isIntegerType(field()->DataType()))
        field()->setIntegerValue(value.toInt());
    else
        field()->setFloatValue(value.toDouble());
}

QVariant NumericFieldAccessible::maximumValue() const {
    return static_cast<double>(field()->model().range().second);
}

QVariant NumericFieldAccessible::minimumValue() const {
    return static_cast<double>(field()->model().range().first);
}

QVariant NumericFieldAccessible::minimumStepSize() const {
    return std::pow(10.0, -field()->model().decimalPlaces());
}

// The field selects its whole text or nothing, and its caret stays at the
// right end: readers may look at both but not move them.
void NumericFieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = selectionIndex < selectionCount() ? characterCount() : 0;
}

int NumericFieldAccessible::selectionCount() const {
    return field()->model().showsSelection() && characterCount() > 0 ? 1 : 0;
}

void NumericFieldAccessible::addSelection(int, int) {}

void NumericFieldAccessible::removeSelection(int) {}

void NumericFieldAccessible::setSelection(int, int, int) {}

int NumericFieldAccessible::cursorPosition() const {
    return characterCount();
}

void NumericFieldAccessible::setCursorPosition(int) {}

QString NumericFieldAccessible::text(int startOffset, int endOffset) const {
    const QString shown = field()->text();
    if (startOffset < 0 || endOffset < startOffset || endOffset > shown.size())
        return {};
    return shown.mid(startOffset, endOffset - startOffset);
}

QString NumericFieldAccessible::textBeforeOffset(int offset,
                                                 QAccessible::TextBoundaryType boundaryType,
                                                 int* startOffset, int* endOffset) const {
    return paysmith::textBeforeOffset(field()->text(), offset, boundaryType, startOffset,
                                      endOffset);
}

QString NumericFieldAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int* startOffset, int* endOffset) const {
    return paysmith::textAtOffset(field()->text(), offset, boundaryType, startOffset, endOffset);
}

QString NumericFieldAccessible::textAfterOffset(int offset,
                                                QAccessible::TextBoundaryType boundaryType,
                                                int* startOffset, int* endOffset) const {
    return paysmith::textAfterOffset(field()->text(), offset, boundaryType, startOffset, endOffset);
}

int NumericFieldAccessible::characterCount() const {
    return static_cast<int>(field()->text().size());
}

QRect NumericFieldAccessible::characterRect(int offset) const {
    const QString shown = field()->text();
    if (offset < 0 || offset >= shown.size())
        return {};
    const QFontMetrics metrics = field()->fontMetrics();
    const QRect line = field()->textRect();
    const QRect character(line.left() + metrics.horizontalAdvance(shown.left(offset)), line.top(),
                          metrics.horizontalAdvance(shown[offset]), line.height());
    return character.translated(field()->mapToGlobal(QPoint(0, 0)));
}

int NumericFieldAccessible::offsetAtPoint(const QPoint& point) const {
    for (int offset = 0; offset < characterCount(); ++offset)
        if (characterRect(offset).contains(point))
            return offset;
    return -1;
}

void NumericFieldAccessible::scrollToSubstring(int, int) {}

// The whole text is one run in one style; readers put a line together from
// these runs, so an empty run would lose characters.
QString NumericFieldAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void FieldTextAnnouncer::reset(const TNumericField& field) {
    m_text = field.text();
    m_selected = false;
}

void FieldTextAnnouncer::announce(TNumericField& field) {
    const QString text = field.text();
    const bool selected = field.model().showsSelection() && !text.isEmpty();
    const QString before = std::exchange(m_text, text);
    const bool wasSelected = std::exchange(m_selected, selected);
    if (!QAccessible::isActive())
        return;
    if (text != before) {
        const auto removal = typedRemoval(before, text, field.model().intl().GroupMark());
        if (removal)
            send(QAccessibleTextRemoveEvent(&field, removal->first, removal->second));
        else
            sendTextChange(&field, before, text);
        // Readers repeat a focused field's label and role on every value
        // change; there the text change says it all.
        if (!field.hasFocus())
            send(QAccessibleValueChangeEvent(&field, field.model().shownValue()));
    }
    if (text.size() != before.size())
        send(QAccessibleTextCursorEvent(&field, static_cast<int>(text.size())));
    if (selected != wasSelected)
        send(
            QAccessibleTextSelectionEvent(&field, 0, selected ? static_cast<int>(text.size()) : 0));
}

void markAsResult(TNumericField* field) {
    field->setProperty(kResultProperty, true);
}

void installNumericFieldAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(createAccessible);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace paysmith
