#include "figures/kit/printedtable.h"

#include <QAbstractItemModel>

namespace paysmith {

namespace {

Qt::Alignment horizontalAlignment(const QVariant& alignment) {
    if (!alignment.isValid())
        return Qt::AlignLeft;
    return Qt::Alignment(alignment.toInt()) & Qt::AlignHorizontal_Mask;
}

} // namespace

PrintedTable printedTable(const QAbstractItemModel& model, RowCaptions captions) {
    PrintedTable table;
    const bool withCaptions = captions == RowCaptions::FromVerticalHeader;
    if (withCaptions) {
        table.header << QString();
        table.alignments.push_back(Qt::AlignLeft);
    }
    for (int column = 0; column < model.columnCount(); ++column) {
        table.header << model.headerData(column, Qt::Horizontal).toString();
        table.alignments.push_back(
            horizontalAlignment(model.index(0, column).data(Qt::TextAlignmentRole)));
    }
    table.rows.reserve(static_cast<std::size_t>(model.rowCount()));
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        if (withCaptions)
            cells << model.headerData(row, Qt::Vertical).toString();
        for (int column = 0; column < model.columnCount(); ++column)
            cells << model.index(row, column).data().toString();
        table.rows.push_back(std::move(cells));
    }
    return table;
}

} // namespace paysmith
