#include "numfield/model/editingdisplay.h"

#include <optional>

namespace paysmith {

namespace {

enum class LeadingZero { Added, Left };

std::u16string numberTextOf(const EntryString& entry, LeadingZero zero) {
    std::u16string number;
    if (entry.sign() == Sign::Negative)
        number.push_back(u'-');
    if (zero == LeadingZero::Added && (entry.empty() || entry.text().front() == u'.'))
        number.push_back(u'0');
    number += entry.text();
    return number;
}

std::size_t typedDecimals(const EntryString& entry) {
    return entry.text().size() - entry.text().find(u'.') - 1;
}

// Whether the characters that extra decimals push off the left end carry
// nothing that was typed: blanks, and the 0 the layout puts before a bare point.
bool onlyUntypedFallOff(const std::u16string& text, std::size_t count, std::size_t point,
                        const EntryString& entry) {
    const bool bareLeadingPoint = entry.text().front() == u'.';
    for (std::size_t i = 0; i < count; ++i) {
        const bool untypedZero = bareLeadingPoint && i + 1 == point && text[i] == u'0';
        if (text[i] != u' ' && !untypedZero)
            return false;
    }
    return true;
}

// Moves the merged text so that its decimals end where the typed ones end.
// Nullopt when something typed would fall off the left end.
std::optional<std::u16string> shiftToTyped(std::u16string text, const PictureMask& mask,
                                           const EntryString& entry) {
    const std::size_t point = *mask.decimalPoint();
    const auto maskDecimals = static_cast<std::size_t>(mask.decimalPlaces());
    const std::size_t decimalsEnd = point + 1 + maskDecimals;
    if (!entry.hasPoint()) {
        text.erase(point, maskDecimals + 1);
        text.insert(0, maskDecimals + 1, u' ');
        return text;
    }
    const std::size_t typed = typedDecimals(entry);
    if (typed <= maskDecimals) {
        const std::size_t untyped = maskDecimals - typed;
        text.erase(decimalsEnd - untyped, untyped);
        text.insert(0, untyped, u' ');
        return text;
    }
    const std::size_t extra = typed - maskDecimals;
    text.insert(decimalsEnd, entry.text(), entry.text().size() - extra, extra);
    if (!onlyUntypedFallOff(text, extra, point, entry))
        return std::nullopt;
    text.erase(0, extra);
    return text;
}

std::optional<std::u16string> laidOut(const MaskLayout& layout, const EntryString& entry,
                                      LeadingZero zero) {
    std::optional<std::u16string> text = layout.merge(numberTextOf(entry, zero));
    if (!text || !layout.mask().hasDecimalPoint())
        return text;
    return shiftToTyped(std::move(*text), layout.mask(), entry);
}

} // namespace

std::u16string editingDisplayText(const MaskLayout& layout, const EntryString& entry) {
    if (std::optional<std::u16string> text = laidOut(layout, entry, LeadingZero::Added))
        return std::move(*text);
    if (std::optional<std::u16string> text = laidOut(layout, entry, LeadingZero::Left))
        return std::move(*text);
    return layout.overflowText();
}

} // namespace paysmith
