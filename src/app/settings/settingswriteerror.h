#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace paysmith {

// The settings file could not be replaced. Deliberately no EMathError: the
// error handler answers it with its general message, not with an input reset.
class SettingsWriteError : public std::runtime_error {
  public:
    // `path` is the file's full path, `reason` the system's word for what
    // went wrong ("Permission denied"), both UTF-8. The error's own text
    // names the file only.
    SettingsWriteError(std::string_view path, std::string_view reason);

    const std::string& path() const { return m_path; }
    const std::string& reason() const { return m_reason; }

  private:
    std::string m_path;
    std::string m_reason;
};

} // namespace paysmith
