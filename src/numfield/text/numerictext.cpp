#include "numfield/text/numerictext.h"

#include "numfield/text/fixedpoint.h"
#include "numfield/text/numberconvert.h"

#include <cassert>

namespace paysmith {

NumericText::NumericText(const TIntlSupport& intl, TNumericDataType type, PictureMask mask,
                         TRangeRecord rangeLo, TRangeRecord rangeHi)
    : m_type(type), m_layout(std::move(mask), intl), m_rangeLo(rangeLo), m_rangeHi(rangeHi) {}

NumericText::NumericText(const TIntlSupport& intl, TNumericDataType type)
    : NumericText(intl, type, PictureMask(std::u16string(defaultPictureMask(type))),
                  defaultRangeLo(type), defaultRangeHi(type)) {}

std::u16string NumericText::displayTextOfFloat(long double value) const {
    assert(!isIntegerType(m_type));
    return merged(fixedPointText(narrowToDataType(m_type, value), mask().decimalPlaces()));
}

std::u16string NumericText::displayTextOfInteger(std::int32_t value) const {
    assert(isIntegerType(m_type));
    return merged(integerText(value, mask().integerRadix()));
}

std::u16string NumericText::merged(const std::optional<std::u16string>& numberText) const {
    std::optional<std::u16string> text;
    if (numberText)
        text = m_layout.merge(*numberText);
    return text ? std::move(*text) : m_layout.overflowText();
}

Conversion NumericText::valueOf(std::u16string_view displayText) const {
    const int radix = isIntegerType(m_type) ? mask().integerRadix() : 10;
    const Conversion conversion = convertNumberText(m_layout.strip(displayText), m_type, radix,
                                                    m_layout.intl().DecimalMark());
    if (conversion.code != 0)
        return conversion;
    if (checkRange(m_type, conversion.value, m_rangeLo, m_rangeHi) != 0)
        return {0.0L, ErrRange};
    return conversion;
}

} // namespace paysmith
