#pragma once

#include "schedule/core/inputlines.h"
#include "schedule/core/schedule.h"

#include <QString>

namespace paysmith {

class MoneyText;
class TIntlSupport;

// An input's figure as the loan page shows it.
QString inputText(const InputLine& line, const MoneyText& money);

// Why a loan has no schedule, translated, with its figures in `format`.
QString noScheduleMessage(const NoScheduleWords& words, const TIntlSupport& format);

} // namespace paysmith
