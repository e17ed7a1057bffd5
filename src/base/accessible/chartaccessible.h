#pragma once

#include "base/text/chartdescription.h"

#include <QString>

#include <vector>

class QWidget;

namespace paysmith {

// The wording of describeChart, translated.
ChartWording translatedChartWording();

// Makes `chart` a chart to screen readers: named `name` and described by
// describeChart of `lines` and `marks`, in `wording` (by default the
// translated one) and the given decimal and group marks.
// Call it again whenever the lines change; readers are told of a new name or
// description. A chart made so takes the focus by the Tab key, where a screen
// reader reads it.
void describeChartWidget(QWidget* chart, const QString& name, const std::vector<ChartLine>& lines,
                         char16_t decimalMark, char16_t groupMark,
                         const ChartWording& wording = translatedChartWording(),
                         const std::vector<ChartMarkAt>& marks = {});

} // namespace paysmith
