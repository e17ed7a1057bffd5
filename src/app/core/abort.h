#pragma once

#include <exception>

namespace paysmith {

// Ends an event handler quietly: the error handler reports every other error,
// but swallows this one.
class EAbort : public std::exception {
  public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

} // namespace paysmith
