#pragma once

#include "numfield/text/numerictext.h"

#include <QString>

#include <cstdint>

namespace paysmith {

// Money as the loan panel's amount fields show it: their mask with the
// program's number format.
class MoneyText {
  public:
    // `format` must outlive this.
    explicit MoneyText(const TIntlSupport& format);

    QString ofCents(std::int64_t cents) const;
    QString ofUnits(double value) const;

  private:
    QString ofValue(long double value) const;

    NumericText m_text;
};

} // namespace paysmith
