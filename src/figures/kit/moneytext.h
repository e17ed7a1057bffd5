#pragma once

#include "numfield/text/numerictext.h"

#include <QString>

#include <cstdint>
#include <string_view>

namespace paysmith {

// Money and rates as the loan panel's fields show them: their masks with the
// program's number format.
class MoneyText {
  public:
    // The amount fields' own mask, and one with room for any total of the
    // largest amounts the fields hold.
    static constexpr std::u16string_view kFieldMask = u"###,###,###.##";
    static constexpr std::u16string_view kTotalMask = u"###,###,###,###,###,###.##";

    // `format` must outlive this.
    explicit MoneyText(const TIntlSupport& format, std::u16string_view mask = kFieldMask);

    QString ofCents(std::int64_t cents) const;
    QString ofUnits(double value) const;
    QString ofRatePercent(double percent) const;
    // Any other figure through a mask of its own, such as years.
    QString ofNumber(double value, std::u16string_view mask) const;

  private:
    const TIntlSupport& m_format;
    NumericText m_money;
    NumericText m_rate;
};

} // namespace paysmith
