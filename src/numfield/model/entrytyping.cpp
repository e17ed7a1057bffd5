#include "numfield/model/entrytyping.h"

#include "numfield/text/charcheck.h"

#include <algorithm>
#include <optional>

namespace paysmith {

namespace {

enum class Source { Key, Paste };

EntryLimits limitsOf(const PictureMask& mask, Source source) {
    return {mask.digitWidth(), mask.integerDigits(), mask.hasDecimalPoint(),
            source == Source::Key ? std::optional(mask.decimalPlaces()) : std::nullopt};
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool isPointLike(char16_t c, const TIntlSupport& intl) {
    return c == u'.' || c == u',' || c == intl.DecimalMark();
}

// The locale's group mark groups only where the mask has group marks; a field
// without them cannot show it, so there it can only have been meant as the
// decimal point.
bool groupsDigits(char16_t c, const TIntlSupport& intl, const PictureMask& mask) {
    return c == intl.GroupMark() && mask.hasGrouping();
}

// Which character of a pasted text is its decimal point. With both "." and
// "," in it, the last of them: "1,234.56" and "1.234,56" say so themselves.
// With one kind only, the locale's decimal mark is one, and its group mark is
// not where the field groups; any other point ("4.5" under fr_FR, or under
// de_DE in a rate) is one unless it repeats, as "12.345.678" does to group.
std::optional<char16_t> decimalPointOf(std::u16string_view number, const TIntlSupport& intl,
                                       const PictureMask& mask) {
    std::optional<char16_t> last;
    bool mixed = false;
    for (char16_t c : number)
        if (isPointLike(c, intl)) {
            mixed = mixed || (last && *last != c);
            last = c;
        }
    if (!last || mixed || *last == intl.DecimalMark())
        return last;
    if (groupsDigits(*last, intl, mask) || std::count(number.begin(), number.end(), *last) > 1)
        return std::nullopt;
    return last;
}

// What a clipboard character stands for, or nullopt when it is skipped before
// the typing rules see it.
std::optional<char16_t> pastedCharacter(std::u16string_view text, std::size_t at,
                                        const PictureMask& mask, const TIntlSupport& intl,
                                        std::optional<char16_t> decimalPoint, Sign sign) {
    char16_t c = text[at];
    if (c == u'(' && mask.hasParentheses() && text.find(u')', at + 1) != std::u16string_view::npos)
        c = u'-';
    if (c == u'-' && sign == Sign::Negative)
        return std::nullopt;
    if (c == decimalPoint)
        return u'.';
    if (isPointLike(c, intl))
        return std::nullopt;
    return c;
}

// The characters whose refusal would change the number rather than drop its
// decoration or its excess precision.
bool carriesTheNumber(char16_t c, const EntryString& entry) {
    return c == u'.' || c == u'-' || (isDigit(c) && !entry.hasPoint());
}

// A pasted digit that would only follow decimals the mask already shows in
// full, as "34" pasted after a clicked-into "12.00": the number it starts
// would be rounded away on leaving.
bool landsUnseen(char16_t c, const EntryString& entry, const PictureMask& mask) {
    return isDigit(c) && entry.hasPoint() && entry.decimals() >= mask.decimalPlaces();
}

// A character with the decimal mark already read as ".": the mask's last
// picture position must accept it, then the entry's rules apply.
KeyOutcome offerToField(EntryString& entry, char16_t c, const PictureMask& mask, Source source) {
    const std::optional<char16_t> maskCharacter = mask.lastPictureCharacter();
    if (!maskCharacter)
        return KeyOutcome::Refused;
    const std::optional<char16_t> accepted = acceptCharacter(*maskCharacter, c);
    if (!accepted)
        return KeyOutcome::Refused;
    return entry.offer(*accepted, limitsOf(mask, source));
}

} // namespace

char16_t typedAsMeant(char16_t typed, const TIntlSupport& intl, const PictureMask& mask) {
    const bool eitherPoint = typed == u'.' || typed == u',';
    return eitherPoint && !groupsDigits(typed, intl, mask) ? intl.DecimalMark() : typed;
}

KeyOutcome typeCharacter(EntryString& entry, char16_t typed, const PictureMask& mask,
                         char16_t decimalMark) {
    if (typed == decimalMark)
        typed = u'.';
    else if (typed == u'.')
        return KeyOutcome::Refused;
    return offerToField(entry, typed, mask, Source::Key);
}

Paste pasteText(EntryString& entry, std::u16string_view text, const PictureMask& mask,
                const TIntlSupport& intl) {
    // Marks after the last digit have no say: the comma that ends "1.5," in a
    // sentence or a list separates, it is no point.
    const std::size_t numberEnd = text.find_last_of(u"0123456789");
    const std::optional<char16_t> decimalPoint =
        decimalPointOf(text.substr(0, numberEnd), intl, mask);
    EntryString trial = entry;
    bool digitTaken = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::optional<char16_t> point = at < numberEnd ? decimalPoint : std::nullopt;
        const std::optional<char16_t> c =
            pastedCharacter(text, at, mask, intl, point, trial.sign());
        if (!c)
            continue;
        if (!digitTaken && landsUnseen(*c, trial, mask))
            return Paste::Refused;
        const KeyOutcome outcome = offerToField(trial, *c, mask, Source::Paste);
        if (outcome == KeyOutcome::Refused && carriesTheNumber(*c, trial))
            return Paste::Refused;
        digitTaken = digitTaken || (isDigit(*c) && outcome != KeyOutcome::Refused);
    }
    entry = trial;
    return Paste::Taken;
}

} // namespace paysmith
