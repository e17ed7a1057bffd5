#pragma once

#include "compare/core/comparison.h"

#include <string>

namespace paysmith {

// The comparison of two offers for a spreadsheet, whatever the locale: a
// line per figure with a column per loan, then both loans' cost of borrowing
// so far at the end of every year. A figure a loan lacks is an empty cell.
std::string comparisonCsv(const Offer& loan1, const Offer& loan2, const Comparison& comparison);

} // namespace paysmith
