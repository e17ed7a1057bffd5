#pragma once

#include <QStringList>

#include <vector>

class QAbstractItemModel;

namespace paysmith {

// A table's texts as a printout sets them: a header line that
// every page the table runs onto repeats, one line per row and a line of
// totals.
struct PrintedTable {
    QStringList header; // none when empty
    std::vector<QStringList> rows;
    QStringList total;                     // none when empty
    std::vector<Qt::Alignment> alignments; // one per column

    qsizetype columnCount() const { return alignments.size(); }
};

enum class RowCaptions { None, FromVerticalHeader };

// The texts and alignments a view of `model` shows, so that paper and screen
// read alike; with FromVerticalHeader the rows' captions come first.
PrintedTable printedTable(const QAbstractItemModel& model, RowCaptions captions);

} // namespace paysmith
