#pragma once

#include "figures/kit/printedtable.h"
#include "figures/kit/yearschart.h"

#include <QString>

namespace paysmith {

// What a printout says, page breaks aside: the title and inputs, a long
// table of details (a loan's schedule), the comparison of both loans and the
// chart.
struct FiguresDocument {
    QString title;
    PrintedTable inputs;
    // Without rows when there are none to show; `noDetailsReason` says why.
    // Neither, and the document has no details.
    PrintedTable details;
    QString detailsNote; // below the details, when any
    QString noDetailsReason;
    // None without rows.
    QString summaryTitle;
    PrintedTable summary;
    QString summaryNote; // below the comparison, when any
    YearsChart chart;
};

} // namespace paysmith
