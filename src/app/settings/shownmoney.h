#pragma once

namespace paysmith {

// An amount as the loan page's money fields show it: rounded to the cent the
// way the fields round. Amounts too large for any field stay as they are.
double shownMoney(double value);

} // namespace paysmith
