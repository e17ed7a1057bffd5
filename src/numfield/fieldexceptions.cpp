#include "numfield/fieldexceptions.h"

#include "numfield/utf8.h"

namespace paysmith {

EInvalidPictureMask::EInvalidPictureMask(std::u16string_view mask)
    : EFieldException("Invalid picture mask: " + toUtf8(mask)) {}

void throwUnknownDataType() {
    throw EFieldException("Parameter value is invalid");
}

} // namespace paysmith
