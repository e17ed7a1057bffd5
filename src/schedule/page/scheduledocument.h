#pragma once

#include "figures/kit/figuresdocument.h"
#include "schedule/core/schedule.h"

class QAbstractItemModel;

namespace paysmith {

class ScheduleModel;
class TIntlSupport;

// The document of loan 0 or 1 from the texts the page shows: `rows` as its
// schedule table holds them and `summary` as its comparison of both loans.
FiguresDocument scheduleDocument(WhichLoan loan, const ScheduleInputs& inputs,
                                 const LenderSchedule& schedule, const ScheduleModel& rows,
                                 const QAbstractItemModel& summary, const YearsChart& chart,
                                 const TIntlSupport& format);

} // namespace paysmith
