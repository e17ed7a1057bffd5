#pragma once

#include "numfield/model/entrystring.h"
#include "numfield/text/intlsupport.h"
#include "numfield/text/picturemask.h"

#include <string_view>

namespace paysmith {

// What a typed "." or "," stands for: the decimal mark wherever it cannot
// group, so that a number typed with the other convention's point (fr_FR's
// "4.5", or de_DE's in a rate, whose mask has no group marks) keeps its point
// instead of growing tenfold; where it is the group mark of a field that
// groups (de_DE's "." in an amount), itself, which a field refuses. Any other
// character stands for itself.
char16_t typedAsMeant(char16_t typed, const TIntlSupport& intl, const PictureMask& mask);

// One typed character offered to the entry string of a field with this mask:
// the decimal mark stands for ".", any other "." is refused, the mask's last
// picture position must accept the character, and then the entry's own rules
// for the sign, the point and the digits apply, with no more decimals than the
// mask has.
KeyOutcome typeCharacter(EntryString& entry, char16_t typed, const PictureMask& mask,
                         char16_t decimalMark);

enum class Paste { Taken, Refused };

// Clipboard text taken character by character into the entry string: its
// decimal point is told from its own marks (the last of "." and "," where it
// has both; where it has one kind only, the locale's group mark in a field
// that groups, or another point that repeats, groups; marks after the last
// digit have no say), so that "4.5" pasted under fr_FR, or into a rate under
// de_DE, stays 4,5 as it would typed, and "1.5," stays 1.5. A "-" when the
// entry is already negative, every other "." or ",", and whatever the field
// refuses (grouping marks, currency, blanks, letters) are skipped. "(" counts
// as "-" in a mask with "p" when a ")" follows.
//
// A text whose number the field cannot take whole is refused and the entry
// left as it was: a decimal point the field cannot take, an integer digit
// beyond its width, a sign it has no place for or digits that would only
// follow decimals already full would otherwise splice, cut or lose the number
// ("12.5" into "iiiiii" would become 125). Decimals beyond the mask's are
// taken up to the width, for leaving to round them; those beyond the width
// are dropped.
Paste pasteText(EntryString& entry, std::u16string_view text, const PictureMask& mask,
                const TIntlSupport& intl);

} // namespace paysmith
