#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace paysmith {

// Raised only for wrong use of the field classes by the program, never for
// what a user types: typed input ends in a validation code instead.
class EFieldException : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class EInvalidRangeValue : public EFieldException {
  public:
    using EFieldException::EFieldException;
};

class EInvalidPictureMask : public EFieldException {
  public:
    explicit EInvalidPictureMask(std::u16string_view mask);
};

[[noreturn]] void throwUnknownDataType();

} // namespace paysmith
