#include "schedule/page/moneytext.h"

#include "base/qt/qtstrings.h"
#include "numfield/text/rangerecord.h"

namespace paysmith {

MoneyText::MoneyText(const TIntlSupport& format, std::u16string_view mask)
    : m_text(format, TNumericDataType::nftDouble, PictureMask(std::u16string(mask)),
             defaultRangeLo(TNumericDataType::nftDouble),
             defaultRangeHi(TNumericDataType::nftDouble)) {}

QString MoneyText::ofCents(std::int64_t cents) const {
    return ofValue(static_cast<long double>(cents) / 100.0L);
}

QString MoneyText::ofUnits(double value) const {
    return ofValue(value);
}

QString MoneyText::ofValue(long double value) const {
    // The mask pads to its width; a table aligns the text itself.
    return toQString(m_text.displayTextOfFloat(value)).trimmed();
}

} // namespace paysmith
