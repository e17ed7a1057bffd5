#include "numfield/text/charcheck.h"

#include "numfield/text/picturemask.h"

#include <string_view>

namespace paysmith {

namespace {

// Letters are those of the Latin alphabets (ASCII, Latin-1 and Latin
// Extended-A and -B) without the multiplication and division signs.
bool isLetter(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))
        return true;
    return c >= 0x00C0 && c <= 0x024F && c != 0x00D7 && c != 0x00F7;
}

// Upper and lower case pair up in ASCII and Latin-1 at a distance of 0x20, and
// in Latin Extended-A as even/odd neighbours.
char16_t toUpper(char16_t c) {
    if ((c >= u'a' && c <= u'z') || (c >= 0x00E0 && c <= 0x00FE && c != 0x00F7))
        return static_cast<char16_t>(c - 0x20);
    if (c >= 0x0100 && c <= 0x017F && c != 0x0130 && c != 0x0131 && (c & 1) != 0)
        return static_cast<char16_t>(c - 1);
    return c;
}

char16_t toLower(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7))
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0100 && c <= 0x017F && c != 0x0130 && c != 0x0131 && (c & 1) == 0)
        return static_cast<char16_t>(c + 1);
    return c;
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool isOneOf(char16_t c, std::u16string_view set) {
    return set.find(c) != std::u16string_view::npos;
}

char16_t forcedCase(char16_t maskCharacter, char16_t c) {
    if (isOneOf(maskCharacter, u"!ABEKNY"))
        return toUpper(c);
    if (isOneOf(maskCharacter, u"Ll"))
        return toLower(c);
    return c;
}

bool accepts(char16_t maskCharacter, char16_t c) {
    switch (maskCharacter) {
    case u'9':
    case u'D':
    case u'H':
    case u'M':
    case u'S':
    case u'd':
    case u'h':
    case u'm':
    case u's':
    case u'y':
        return isDigit(c) || c == u' ';
    case u'i':
        return isDigit(c) || isOneOf(c, u" -");
    case u'#':
        return isDigit(c) || isOneOf(c, u" -.");
    case u'E':
        return isDigit(c) || isOneOf(c, u" -.E+");
    case u'K':
        return isDigit(c) || isOneOf(c, u" ABCDEF");
    case u'O':
        return isOneOf(c, u" 01234567");
    case u'b':
        return isOneOf(c, u" 01");
    case u'B':
        return isOneOf(c, u"TF");
    case u'Y':
        return isOneOf(c, u"YN");
    case u'a':
    case u'A':
    case u'l':
    case u'n':
    case u'N':
    case u't':
        return isLetter(c) || isOneOf(c, u" -.,");
    default:
        // "X", "x", "!", "L" and the user-defined sets "1" to "8" take any
        // character; positions that are not picture positions take none.
        return positionClassOf(maskCharacter) == MaskPositionClass::Picture;
    }
}

} // namespace

std::optional<char16_t> acceptCharacter(char16_t maskCharacter, char16_t typed) {
    const char16_t c = forcedCase(maskCharacter, typed);
    if (!accepts(maskCharacter, c))
        return std::nullopt;
    return c;
}

} // namespace paysmith
