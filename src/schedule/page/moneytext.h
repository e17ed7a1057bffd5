#pragma once

#include "numfield/text/numerictext.h"

#include <QString>

#include <cstdint>
#include <string_view>

namespace paysmith {

// Money as the loan panel's amount fields show it: their mask with the
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

  private:
    QString ofValue(long double value) const;

    NumericText m_text;
};

} // namespace paysmith
