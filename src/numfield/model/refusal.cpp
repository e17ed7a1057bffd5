#include "numfield/model/refusal.h"

namespace paysmith {

Refusal refusalOfTyped(char16_t typed, const EntryString& entry, const PictureMask& mask,
                       char16_t decimalMark) {
    // Either mark may be meant as a decimal point, whatever the field's is.
    if (typed == decimalMark || typed == u'.' || typed == u',') {
        if (!mask.hasDecimalPoint())
            return Refusal::WholeNumbersOnly;
        if (typed != decimalMark)
            return Refusal::UseDecimalMark;
        return entry.hasPoint() ? Refusal::PointAlreadyTyped : Refusal::NoMoreDigits;
    }
    if (typed == u'-')
        return Refusal::NoRoomForSign;
    if (typed >= u'0' && typed <= u'9')
        return Refusal::NoMoreDigits;
    return Refusal::DigitsOnly;
}

} // namespace paysmith
