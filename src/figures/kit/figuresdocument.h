#pragma once

#include "figures/kit/printedtable.h"
#include "figures/kit/yearschart.h"

#include <QString>

namespace paysmith {

// What a printout says, page breaks aside: the title and inputs, a loan's
// schedule, the comparison of both loans and the chart.
struct FiguresDocument {
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

} // namespace paysmith
