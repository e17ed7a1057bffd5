#include "schedule/page/schedulemodel.h"

#include <algorithm>

namespace paysmith {

namespace {

enum Column { Period, Payment, Extra, Principal, Interest, Taxes, Insurance, Balance, ColumnCount };

const char* const kHeaders[ColumnCount] = {
    QT_TRANSLATE_NOOP("paysmith::ScheduleModel", "Period"),
    QT_TRANSLATE_NOOP("paysmith::ScheduleModel", "Principal + interest"),
    QT_TRANSLATE_NOOP("paysmith::ScheduleModel", "Extra"),
    QT_TRANSLATE_NOOP("paysmith::ScheduleModel", "Principal"),
    QT_TRANSLATE_NOOP("paysmith::ScheduleModel", "Interest"),
    QT_TRANSLATE_NOOP("paysmith::ScheduleModel", "Taxes"),
    QT_TRANSLATE_NOOP("paysmith::ScheduleModel", "Insurance"),
    QT_TRANSLATE_NOOP("paysmith::ScheduleModel", "Balance"),
};

std::int64_t cellCents(const ScheduleRow<std::int64_t>& row, int column) {
    switch (column) {
    case Payment:
        return row.payment;
    case Extra:
        return row.extra;
    case Principal:
        return row.principal;
    case Interest:
        return row.interest;
    case Taxes:
        return row.taxes;
    case Insurance:
        return row.insurance;
    default:
        return row.balance;
    }
}

} // namespace

ScheduleModel::ScheduleModel(const TIntlSupport& format, QObject* parent)
    : QAbstractTableModel(parent), m_money(format) {
    chooseColumns();
}

void ScheduleModel::setSchedule(std::shared_ptr<const LenderSchedule> schedule) {
    beginResetModel();
    m_schedule = std::move(schedule);
    chooseColumns();
    endResetModel();
}

void ScheduleModel::chooseColumns() {
    // The extras' column only where there are any.
    m_columns.clear();
    for (int column = 0; column < ColumnCount; ++column)
        if (column != Extra || hasExtras())
            m_columns.push_back(column);
}

bool ScheduleModel::hasExtras() const {
    return m_schedule && m_schedule->totals.extra != 0;
}

int ScheduleModel::columnAt(int index) const {
    return m_columns[static_cast<std::size_t>(index)];
}

int ScheduleModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_schedule)
        return 0;
    return static_cast<int>(m_schedule->rows.size());
}

int ScheduleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (columnAt(index.column()) == Period)
        return QString::number(index.row() + 1);
    return m_money.ofCents(cellCents(m_schedule->rows[static_cast<std::size_t>(index.row())],
                                     columnAt(index.column())));
}

QString ScheduleModel::rowsAsText(QList<int> rows) const {
    std::sort(rows.begin(), rows.end());
    QString text;
    for (int row : rows) {
        QStringList cells;
        for (int column = 0; column < columnCount(); ++column)
            cells << index(row, column).data().toString();
        text += cells.join(u'\t') + u'\n';
    }
    return text;
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return tr(kHeaders[columnAt(section)]);
}

QStringList ScheduleModel::totalTexts() const {
    QStringList texts;
    if (!m_schedule)
        return texts;
    const auto& totals = m_schedule->totals;
    // The totals as a row, so that a column's total and its cells are the
    // same field of a row.
    const ScheduleRow<std::int64_t> sums{totals.payment, totals.principal, totals.interest,
                                         totals.taxes,   totals.insurance, 0,
                                         totals.extra};
    for (const int column : m_columns) {
        if (column == Period)
            texts << tr("Total");
        else if (column == Balance)
            texts << QString();
        else
            texts << m_money.ofCents(cellCents(sums, column));
    }
    return texts;
}

} // namespace paysmith
