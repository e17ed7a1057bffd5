#include "app/core/messages.h"

#include "dialogs/links/maker.h"

namespace paysmith {

std::string calculationErrorMessage() {
    return QT_TRANSLATE_NOOP("paysmith::Messages", "Valid results cannot be calculated using\n\r"
                                                   "the variables you have entered.\n\r\n\r"
                                                   "Please try again with reasonable values.");
}

std::string generalErrorMessage(std::string_view text) {
    std::string message;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool placeholder = text[i] == '%' && i + 1 < text.size();
        if (placeholder && text[i + 1] == '1')
            message += maker::kName;
        else if (placeholder && text[i + 1] == '2')
            message += maker::kSupportAddress;
        else {
            message += text[i];
            continue;
        }
        ++i;
    }
    return message;
}

std::string withPlainLineBreaks(const std::string& text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            plain += c;
            continue;
        }
        plain += '\n';
        const bool pair =
            i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n') && text[i + 1] != c;
        if (pair)
            ++i;
    }
    return plain;
}

} // namespace paysmith
