#include "numfield/model/validationmessage.h"

#include "base/text/translatable.h"
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

// The English pattern's text between its sentence (%1) and limits (%2, %3),
// which the model writes and a widget reads back.
struct RangePatternPieces {
    std::u16string_view open;
    std::u16string_view to;
    std::u16string_view close;
};

RangePatternPieces rangePatternPieces() {
    const std::u16string_view pattern = rangeMessagePattern();
    const std::size_t first = pattern.find(u"%1") + 2;
    const std::size_t second = pattern.find(u"%2");
    const std::size_t third = pattern.find(u"%3");
    return {pattern.substr(first, second - first), pattern.substr(second + 2, third - second - 2),
            pattern.substr(third + 2)};
}

} // namespace

std::u16string_view validationMessage(int code) {
    switch (code) {
    case 0:
        return u"";
    case ErrRange:
        return u"" QT_TRANSLATE_NOOP("paysmith::TNumericField",
                                     "Value is not within required range");
    case ErrInvalid:
        return u"" QT_TRANSLATE_NOOP("paysmith::TNumericField",
                                     "Value is not valid for this field type");
    case ErrRequired:
        return u"" QT_TRANSLATE_NOOP("paysmith::TNumericField",
                                     "A value is required in this field");
    case ErrInvalidDate:
        return u"" QT_TRANSLATE_NOOP("paysmith::TNumericField", "Value is not a valid date");
    case ErrInvalidTime:
        return u"" QT_TRANSLATE_NOOP("paysmith::TNumericField", "Value is not a valid time");
    case ErrBlanksInField:
        return u"" QT_TRANSLATE_NOOP("paysmith::TNumericField",
                                     "This field should contain no blanks");
    case ErrPartialEntry:
        return u"" QT_TRANSLATE_NOOP("paysmith::TNumericField",
                                     "This field should be either empty or completely full");
    default:
        return u"" QT_TRANSLATE_NOOP("paysmith::TNumericField", "Entry Error");
    }
}

std::u16string_view rangeMessagePattern() {
    return u"" QT_TRANSLATE_NOOP("paysmith::TNumericField", "%1 (from %2 to %3)");
}

std::u16string rangeMessage(std::u16string_view sentence, long double low, long double high,
                            int decimalPlaces, const TIntlSupport& intl) {
    const std::optional<std::u16string> from = limitText(low, decimalPlaces, intl);
    const std::optional<std::u16string> to = limitText(high, decimalPlaces, intl);
    if (!from || !to)
        return std::u16string(sentence);
    const RangePatternPieces pieces = rangePatternPieces();
    return std::u16string(sentence) + std::u16string(pieces.open) + *from +
           std::u16string(pieces.to) + *to + std::u16string(pieces.close);
}

std::optional<RangeMessageParts> rangeMessageParts(std::u16string_view message) {
    const RangePatternPieces pieces = rangePatternPieces();
    const std::size_t open = message.rfind(pieces.open);
    if (open == std::u16string_view::npos || !message.ends_with(pieces.close))
        return std::nullopt;
    const std::size_t limitsAt = open + pieces.open.size();
    const std::u16string_view limits =
        message.substr(limitsAt, message.size() - limitsAt - pieces.close.size());
    const std::size_t to = limits.find(pieces.to);
    if (to == std::u16string_view::npos)
        return std::nullopt;
    return RangeMessageParts{message.substr(0, open), limits.substr(0, to),
                             limits.substr(to + pieces.to.size())};
}

} // namespace paysmith
