#include "numfield/text/numberconvert.h"

#include "numfield/text/numberparse.h"

namespace paysmith {

namespace {

void eraseBlanksAround(std::u16string& text, std::size_t point) {
    std::size_t after = point + 1;
    while (after < text.size() && text[after] == u' ')
        ++after;
    text.erase(point + 1, after - point - 1);
    std::size_t before = point;
    while (before > 0 && text[before - 1] == u' ')
        --before;
    text.erase(before, point - before);
}

} // namespace

std::u16string normalisedDecimalText(std::u16string_view text, char16_t decimalMark) {
    std::u16string result(trimBlanks(text));
    if (result.empty())
        return u"0";
    if (result.back() == decimalMark)
        result.pop_back();
    if (const std::size_t mark = result.find(decimalMark, 1); mark != std::u16string::npos)
        result[mark] = u'.';
    const std::size_t point = result.find(u'.');
    if (point == std::u16string::npos)
        return result;
    if (point + 1 == result.size())
        result += u'0';
    if (point == 0)
        result.insert(result.begin(), u'0');
    else if (point == 1 && result.front() == u'-')
        result.insert(1, 1, u'0');
    eraseBlanksAround(result, result.find(u'.'));
    return result;
}

Conversion convertNumberText(std::u16string_view text, TNumericDataType type, int integerRadix,
                             char16_t decimalMark) {
    if (isIntegerType(type)) {
        const std::u16string_view trimmed = trimBlanks(text);
        if (trimmed.empty())
            return {};
        const std::optional<std::int32_t> integer = parseInteger(trimmed, integerRadix);
        if (!integer)
            return {0.0L, ErrInvalid};
        return {static_cast<long double>(*integer), 0};
    }
    const std::optional<long double> value =
        parseDecimalNumber(normalisedDecimalText(text, decimalMark));
    if (!value)
        return {0.0L, ErrInvalid};
    return {narrowToDataType(type, *value), 0};
}

} // namespace paysmith
