#include "numfield/model/validationmessage.h"

#include "numfield/text/validation.h"

namespace paysmith {

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

} // namespace paysmith
