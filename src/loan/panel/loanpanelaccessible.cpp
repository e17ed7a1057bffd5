#include "loan/panel/loanpanelaccessible.h"

#include "loan/panel/loanpanel.h"

#include <QLabel>

namespace paysmith {

namespace {

QAccessibleInterface* createAccessible(const QString&, QObject* object) {
    if (auto* panel = qobject_cast<LoanPanel*>(object))
        return new LoanPanelAccessible(panel, panel->controls().title);
    return nullptr;
}

} // namespace

LoanPanelAccessible::LoanPanelAccessible(LoanPanel* panel, QLabel* title)
    : QAccessibleWidget(panel, QAccessible::Grouping), m_title(title) {}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
LoanPanelAccessible::relations(QAccessible::Relation match) const {
    auto found = QAccessibleWidget::relations(match);
    // The relation names what the other object is to this one: the title is
    // the panel's label (labelled-by), not a control the panel labels.
    if (match & QAccessible::Label)
        if (QAccessibleInterface* title = QAccessible::queryAccessibleInterface(m_title))
            found.append({title, QAccessible::Label});
    return found;
}

void installLoanPanelAccessibility() {
    [[maybe_unused]] static const bool installed =
        (QAccessible::installFactory(createAccessible), true);
}

} // namespace paysmith
