#pragma once

#include "numfield/text/numerictext.h"

#include <QString>

#include <cstdint>

namespace paysmith {

// Money and rates as the loan panel's fields show them: their masks with the
// program's number format.
class MoneyText {
  public:
    // `format` must outlive this.
    explicit MoneyText(const TIntlSupport& format);

    QString ofCents(std::int64_t cents) const;
    QString ofUnits(double value) const;
    QString ofRatePercent(double percent) const;

  private:
    NumericText m_money;
    NumericText m_rate;
};

} // namespace paysmith
