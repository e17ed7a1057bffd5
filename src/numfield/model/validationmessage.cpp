#include "numfield/model/validationmessage.h"

#include "numfield/text/fixedpoint.h"
#include "numfield/text/validation.h"

#include <optional>

namespace paysmith {

namespace {

// A true minus sign: a hyphen before a number reads as a dash in running text.
constexpr char16_t kMinusSign = u'\u2212';

std::optional<std::u16string> limitText(long double value, int decimalPlaces,
                                        const TIntlSupport& intl) {
    const std::optional<std::u16string> plain = fixedPointText(value, decimalPlaces);
    if (!plain)
        return std::nullopt;
    const bool negative = plain->front() == u'-';
    const std::u16string_view number = std::u16string_view(*plain).substr(negative ? 1 : 0);
    const std::size_t integerDigits = std::min(number.find(u'.'), number.size());
    std::u16string text(negative ? 1 : 0, kMinusSign);
    for (std::size_t i = 0; i < integerDigits; ++i) {
        if (i > 0 && (integerDigits - i) % 3 == 0)
            text += intl.GroupMark();
        text += number[i];
    }
    if (integerDigits < number.size()) {
        text += intl.DecimalMark();
        text += number.substr(integerDigits + 1);
    }
    return text;
}

} // namespace

std::u16string_view validationMessage(int code) {
    switch (code) {
    case 0:
        return u"";
    case ErrRange:
        return u"Value is not within required range";
    case ErrInvalid:
        return u"Value is not valid for this field type";
    case ErrRequired:
        return u"A value is required in this field";
    case ErrInvalidDate:
        return u"Value is not a valid date";
    case ErrInvalidTime:
        return u"Value is not a valid time";
    case ErrBlanksInField:
        return u"This field should contain no blanks";
    case ErrPartialEntry:
        return u"This field should be either empty or completely full";
    default:
        return u"Entry Error";
    }
}

std::u16string rangeLimitsText(long double low, long double high, int decimalPlaces,
                               const TIntlSupport& intl) {
    const std::optional<std::u16string> from = limitText(low, decimalPlaces, intl);
    const std::optional<std::u16string> to = limitText(high, decimalPlaces, intl);
    if (!from || !to)
        return {};
    return u"from " + *from + u" to " + *to;
}

} // namespace paysmith
