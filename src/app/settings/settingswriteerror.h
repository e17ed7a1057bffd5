#pragma once

#include <stdexcept>
#include <string_view>

namespace paysmith {

// The settings file could not be replaced. Deliberately no EMathError: the
// error handler answers it with its general message, not with an input reset.
class SettingsWriteError : public std::runtime_error {
  public:
    // `path` is the file's full path, UTF-8.
    explicit SettingsWriteError(std::string_view path);
};

} // namespace paysmith
