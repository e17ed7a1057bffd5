#pragma once

#include <stdexcept>
#include <string>

namespace paysmith {

// Floating-point faults of the loan arithmetic. Invalid operation, division by
// zero and overflow are raised; underflow and inexact results stay silent, so
// EUnderflow exists only to complete the family.
class EMathError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class EInvalidOp : public EMathError {
  public:
    using EMathError::EMathError;
};

class EZeroDivide : public EMathError {
  public:
    using EMathError::EMathError;
};

class EOverflow : public EMathError {
  public:
    using EMathError::EMathError;
};

class EUnderflow : public EMathError {
  public:
    using EMathError::EMathError;
};

// Stores a computed value as a double the way a faulting FPU would: a NaN
// result is an invalid operation and an infinite one an overflow. `what`
// names the computation for the message.
double checkedResult(long double value, const char* what);

} // namespace paysmith
