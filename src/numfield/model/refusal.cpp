#include "numfield/model/refusal.h"

#include "numfield/text/charcheck.h"

namespace paysmith {

namespace {

// Every character is offered to the mask's last picture position.
Refusal whatTheFieldTakes(const PictureMask& mask) {
    const std::optional<char16_t> last = mask.lastPictureCharacter();
    const bool minus = last && acceptCharacter(*last, u'-');
    const bool point = last && mask.hasDecimalPoint() && acceptCharacter(*last, u'.');
    if (minus && point)
        return Refusal::DigitsMinusAndPointOnly;
    return minus ? Refusal::DigitsAndMinusOnly : Refusal::DigitsOnly;
}

} // namespace

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
    return whatTheFieldTakes(mask);
}

} // namespace paysmith
