#include "app/settings/settingswriteerror.h"

namespace paysmith {

namespace {

constexpr std::string_view kMessage = "Unable to write to %s";

std::string messageFor(std::string_view path) {
    const std::size_t placeholder = kMessage.find("%s");
    std::string message(kMessage.substr(0, placeholder));
    message += path;
    message += kMessage.substr(placeholder + 2);
    return message;
}

} // namespace

SettingsWriteError::SettingsWriteError(std::string_view path, std::string_view reason)
    : std::runtime_error(messageFor(path)), m_path(path), m_reason(reason) {}

} // namespace paysmith
