#include "app/core/messages.h"

#include "dialogs/links/maker.h"

namespace paysmith {

std::string calculationErrorMessage() {
    return "Valid results cannot be calculated using\n\r"
           "the variables you have entered.\n\r\n\r"
           "Please try again with reasonable values.";
}

std::string generalErrorMessage() {
    std::string text = "An error has occurred.\r\n\r\nIf you wish, you may contact ";
    text += maker::kName;
    text += "    \r\n\r\nat:  ";
    text += maker::kSupportAddress;
    return text;
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
