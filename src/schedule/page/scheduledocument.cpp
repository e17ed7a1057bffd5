#include "schedule/page/scheduledocument.h"

#include "base/qt/qtstrings.h"
#include "loan/core/frequency.h"
#include "schedule/core/inputlines.h"
#include "schedule/page/moneytext.h"
#include "schedule/page/schedulemodel.h"

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

QString inputText(const InputLine& line, const MoneyText& money) {
    switch (line.kind) {
    case InputKind::Money:
        return money.ofUnits(line.value);
    case InputKind::RatePercent:
        return money.ofRatePercent(line.value);
    case InputKind::Count:
        return QString::number(static_cast<std::int64_t>(line.value));
    case InputKind::Frequency:
        break;
    }
    // As the frequency box lists it.
    return translated("paysmith::Frequency",
                      frequencyCaptionOf(static_cast<std::int32_t>(line.value)));
}

ScheduleDocument scheduleDocument(int loan, const ScheduleInputs& inputs,
                                  const LenderSchedule& schedule, const ScheduleModel& rows,
                                  const QAbstractItemModel& summary, const YearsChart& chart,
                                  const TIntlSupport& format) {
    ScheduleDocument document;
    document.title =
        QCoreApplication::translate("paysmith::ScheduleDocument", "Lender's schedule of Loan %1")
            .arg(loan + 1);
    document.inputs = inputsTable(inputs, MoneyText(format));
    if (schedule.exists()) {
        document.schedule = printedTable(rows, RowCaptions::None);
        document.schedule.total = rows.totalTexts();
    } else {
        document.reason =
            noScheduleMessage(noScheduleWords(loan + 1, inputs, schedule.reason), format);
    }
    document.summaryTitle =
        QCoreApplication::translate("paysmith::ScheduleDocument", "Both loans compared");
    document.summary = printedTable(summary, RowCaptions::FromVerticalHeader);
    document.chart = chart;
    return document;
}

} // namespace paysmith
