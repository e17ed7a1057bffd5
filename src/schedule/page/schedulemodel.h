#pragma once

#include "figures/kit/moneytext.h"
#include "schedule/core/schedule.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <memory>
#include <vector>

namespace paysmith {

// The lender's schedule as table rows. The schedule holds numbers only; each
// cell's text is made when the view asks for it, so a schedule of 32,767 rows
// costs no more to show than one of 12.
class ScheduleModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ScheduleModel(const TIntlSupport& format, QObject* parent = nullptr);

    void setSchedule(std::shared_ptr<const LenderSchedule> schedule);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The rows as the table shows them, in order, a line each, their cells
    // separated by tabs: what a spreadsheet takes from the clipboard.
    QString rowsAsText(QList<int> rows) const;

    // A line under the rows: each column's total, where a sum means something.
    QStringList totalTexts() const;
    // Whether the schedule has extra payments, which get a column of their own.
    bool hasExtras() const;

  private:
    void chooseColumns();
    int columnAt(int index) const;

    std::shared_ptr<const LenderSchedule> m_schedule;
    std::vector<int> m_columns;
    MoneyText m_money;
};

} // namespace paysmith
