#include "numfield/text/fieldexceptions.h"

#include "base/text/utf8.h"

namespace paysmith {

EInvalidPictureMask::EInvalidPictureMask(std::u16string_view mask)
    : EFieldException("Invalid picture mask: " + utf8FromUtf16(mask)) {}

void throwUnknownDataType() {
    throw EFieldException("Parameter value is invalid");
}

} // namespace paysmith
