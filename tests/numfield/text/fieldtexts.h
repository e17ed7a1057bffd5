#pragma once

#include "numfield/text/numerictext.h"

namespace paysmith::testing_fields {

// The three kinds of field of the loan panels.
inline NumericText amountField(const TIntlSupport& intl) {
    return NumericText(intl, TNumericDataType::nftDouble, PictureMask(u"###,###,###.##"),
                       defaultRangeLo(TNumericDataType::nftDouble),
                       defaultRangeHi(TNumericDataType::nftDouble));
}

inline NumericText rateField(const TIntlSupport& intl) {
    return NumericText(intl, TNumericDataType::nftDouble, PictureMask(u"###.####"),
                       defaultRangeLo(TNumericDataType::nftDouble),
                       defaultRangeHi(TNumericDataType::nftDouble));
}

inline NumericText countField(const TIntlSupport& intl) {
    return NumericText(intl, TNumericDataType::nftInteger, PictureMask(u"iiiiii"),
                       defaultRangeLo(TNumericDataType::nftInteger),
                       defaultRangeHi(TNumericDataType::nftInteger));
}

} // namespace paysmith::testing_fields
