#include "schedule/page/scheduledocument.h"

#include "base/qt/qtstrings.h"
#include "figures/kit/moneytext.h"
#include "schedule/core/inputlines.h"
#include "schedule/page/schedulemodel.h"
#include "schedule/wording/schedulewords.h"

#include <QCoreApplication>

namespace paysmith {

namespace {

PrintedTable inputsTable(const ScheduleInputs& inputs, const MoneyText& money) {
    PrintedTable table;
    table.alignments = {Qt::AlignLeft, Qt::AlignRight};
    for (const InputLine& line : inputLines(inputs))
        table.rows.push_back(
            {translated("paysmith::ScheduleDocument", std::string_view(line.caption)),
             inputText(line, money)});
    return table;
}

} // namespace

FiguresDocument scheduleDocument(WhichLoan loan, const ScheduleInputs& inputs,
                                 const LenderSchedule& schedule, const ScheduleModel& rows,
                                 const QAbstractItemModel& summary, const YearsChart& chart,
                                 const TIntlSupport& format) {
    FiguresDocument document;
    document.title =
        QCoreApplication::translate("paysmith::ScheduleDocument", "Lender's schedule of Loan %1")
            .arg(numberOf(loan));
    document.inputs = inputsTable(inputs, MoneyText(format));
    if (schedule.exists()) {
        document.details = printedTable(rows, RowCaptions::None);
        document.details.total = rows.totalTexts();
    } else {
        document.noDetailsReason =
            noScheduleMessage(noScheduleWords(loan, inputs, schedule.reason), format);
    }
    document.summaryTitle =
        QCoreApplication::translate("paysmith::ScheduleDocument", "Both loans compared");
    document.summary = printedTable(summary, RowCaptions::FromVerticalHeader);
    document.chart = chart;
    return document;
}

} // namespace paysmith
