#pragma once

#include "schedule/core/inputlines.h"
#include "schedule/core/schedule.h"
#include "schedule/page/balancechart.h"
#include "schedule/page/printedtable.h"

#include <QString>

class QAbstractItemModel;

namespace paysmith {

class MoneyText;
class ScheduleModel;
class TIntlSupport;

// What a printout says, page breaks aside: the title and inputs, a loan's
// schedule, the comparison of both loans and the chart.
struct ScheduleDocument {
    QString title;
    PrintedTable inputs;
    // Without rows when the loan has no schedule; `reason` says why. Neither,
    // and the document has no schedule.
    PrintedTable schedule;
    QString scheduleNote; // below the schedule, when any
    QString reason;
    // None without rows.
    QString summaryTitle;
    PrintedTable summary;
    QString summaryNote; // below the comparison, when any
    YearsChart chart;
};

// An input's figure as the loan page shows it.
QString inputText(const InputLine& line, const MoneyText& money);

// The document of loan 0 or 1 from the texts the page shows: `rows` as its
// schedule table holds them and `summary` as its comparison of both loans.
ScheduleDocument scheduleDocument(int loan, const ScheduleInputs& inputs,
                                  const LenderSchedule& schedule, const ScheduleModel& rows,
                                  const QAbstractItemModel& summary, const YearsChart& chart,
                                  const TIntlSupport& format);

} // namespace paysmith
