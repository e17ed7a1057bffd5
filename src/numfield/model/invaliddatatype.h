#pragma once

#include "numfield/text/fieldexceptions.h"

namespace paysmith {

// The program read or wrote a field's value as a type the field does not hold.
class EInvalidDataType : public EFieldException {
  public:
    EInvalidDataType() : EFieldException("Invalid data type for this field") {}
};

} // namespace paysmith
