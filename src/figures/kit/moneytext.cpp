#include "figures/kit/moneytext.h"

#include "base/qt/qtstrings.h"
#include "numfield/text/rangerecord.h"

namespace paysmith {

namespace {

NumericText fieldText(const TIntlSupport& format, std::u16string_view mask) {
    return NumericText(format, TNumericDataType::nftDouble, PictureMask(std::u16string(mask)),
                       defaultRangeLo(TNumericDataType::nftDouble),
                       defaultRangeHi(TNumericDataType::nftDouble));
}

QString shown(const NumericText& text, long double value) {
    // The mask pads to its width; a table aligns the text itself.
    return toQString(text.displayTextOfFloat(value)).trimmed();
}

} // namespace

MoneyText::MoneyText(const TIntlSupport& format, std::u16string_view mask)
    : m_format(format), m_money(fieldText(format, mask)), m_rate(fieldText(format, u"###.####")) {}

QString MoneyText::ofCents(std::int64_t cents) const {
    return shown(m_money, static_cast<long double>(cents) / 100.0L);
}

QString MoneyText::ofUnits(double value) const {
    return shown(m_money, value);
}

QString MoneyText::ofRatePercent(double percent) const {
    return shown(m_rate, percent);
}

QString MoneyText::ofNumber(double value, std::u16string_view mask) const {
    return shown(fieldText(m_format, mask), value);
}

} // namespace paysmith
