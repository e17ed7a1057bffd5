#pragma once

#include "schedule/core/schedule.h"
#include "schedule/page/balancechart.h"
#include "schedule/page/printedtable.h"

#include <QString>

class QAbstractItemModel;

namespace paysmith {

class MoneyText;
class ScheduleModel;

// What the printed schedule of one loan says, page breaks aside.
struct ScheduleDocument {
    QString title;
    PrintedTable inputs;
    // Without rows when the loan has no schedule; `reason` says why.
    PrintedTable schedule;
    QString reason;
    QString summaryTitle;
    PrintedTable summary;
    BalanceSeries chart;
};

// The document of loan 0 or 1 from the texts the page shows: `rows` as its
// schedule table holds them and `summary` as its comparison of both loans.
ScheduleDocument scheduleDocument(int loan, const ScheduleInputs& inputs,
                                  const LenderSchedule& schedule, const ScheduleModel& rows,
                                  const QAbstractItemModel& summary, const BalanceSeries& chart,
                                  const MoneyText& money);

} // namespace paysmith
