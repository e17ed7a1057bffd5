#pragma once

#include <QAccessibleWidget>

class QLabel;

namespace paysmith {

class LoanPanel;

// A loan panel for screen readers: a group named after its loan and labelled
// by its title, so that moving between the loans says which one is entered.
class LoanPanelAccessible : public QAccessibleWidget {
  public:
    LoanPanelAccessible(LoanPanel* panel, QLabel* title);

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;

  private:
    QLabel* m_title;
};

// Makes Qt's accessibility use LoanPanelAccessible for every loan panel;
// once is enough, more calls do nothing.
void installLoanPanelAccessibility();

} // namespace paysmith
