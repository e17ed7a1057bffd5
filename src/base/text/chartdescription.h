#pragma once

#include <string>
#include <vector>

namespace paysmith {

// One point of a chart's line: a figure in currency units after some years.
struct ChartPoint {
    double years = 0.0;
    double value = 0.0;
};

// One line of a chart as its legend names it, its points in the order of the
// years; a line without points is a loan the chart has nothing for.
struct ChartLine {
    std::u16string name;
    std::vector<ChartPoint> points;
};

// A year marked on a chart, as its label names it: "kept", "Loan 2 cheaper".
struct ChartMarkAt {
    std::u16string label;
    double years = 0.0;
};

// The words a chart's description is made of. In `line`, %1 is a line's
// name, %2 its first figure, %3 its last and %4 the years it spans, said
// through `years` (or `oneYear` for exactly one); in `mark`, %1 is a mark's
// label and %2 its years, said so too. English here; a widget puts their
// translations in place.
struct ChartWording {
    std::u16string line = u"%1 from %2 to %3 in %4";
    std::u16string years = u"%1 years";
    std::u16string oneYear = u"%1 year";
    std::u16string empty = u"%1: nothing to draw";
    std::u16string separator = u"; ";
    std::u16string mark = u"%1 at %2";
};

// What a screen reader says of a chart instead of showing it, one sentence
// part per line, then one per mark: "Loan 1 from 150,000 to 0 in 30 years;
// Loan 2 from 150,000 to 0 in 20 years; kept at 7 years". Figures are rounded
// to whole units and grouped by `groupMark`; years keep up to two decimals
// after `decimalMark`, without trailing zeros.
std::u16string describeChart(const std::vector<ChartLine>& lines, const ChartWording& wording,
                             char16_t decimalMark, char16_t groupMark,
                             const std::vector<ChartMarkAt>& marks = {});

} // namespace paysmith
