#pragma once

#include "app/settings/savedvalues.h"

#include <string>

namespace paysmith {

// Both loans of a settings file as JSON, one object: for each loan its
// inputs, the figures the loan page shows for them, and the lender's
// schedule in brief (null where the loan has none). Money has two decimals
// and rates are in percent; the term is the page's own text, written with
// `decimalMark`.
std::string loanReportJson(const SavedValues& saved, char16_t decimalMark);

} // namespace paysmith
