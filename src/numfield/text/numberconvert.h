#pragma once

#include "numfield/text/datatype.h"
#include "numfield/text/validation.h"

#include <string>
#include <string_view>

namespace paysmith {

// The floating types' tidying of a number text before it must be a complete
// decimal number: blanks at the ends off, empty as "0", a trailing decimal mark
// off, a later decimal mark as ".", a lone point completed with a 0 on its open
// side, blanks beside the point off.
std::u16string normalisedDecimalText(std::u16string_view text, char16_t decimalMark);

// A stripped number text as a value of the data type (narrowed to it), or
// ErrInvalid when it does not convert. Integers are read in `integerRadix`.
// The range is not checked here.
Conversion convertNumberText(std::u16string_view text, TNumericDataType type, int integerRadix,
                             char16_t decimalMark);

} // namespace paysmith
