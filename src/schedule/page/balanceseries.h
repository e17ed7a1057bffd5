#pragma once

#include "schedule/core/schedule.h"

#include <QPointF>

#include <vector>

namespace paysmith {

// Every few balances of a schedule and its last, from the amount at year 0,
// so that a long schedule draws as fast as a short one.
std::vector<QPointF> balanceSeries(const LenderSchedule& schedule);

} // namespace paysmith
