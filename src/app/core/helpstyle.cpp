#include "app/core/helpstyle.h"

#include <cctype>
#include <cstdio>

namespace paysmith {

namespace {

constexpr std::size_t kHexDigits = 6;

bool isColourAt(std::string_view sheet, std::size_t at) {
    if (sheet[at] != '#' || at + kHexDigits >= sheet.size())
        return false;
    for (std::size_t i = 1; i <= kHexDigits; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(sheet[at + i])))
            return false;
    const std::size_t after = at + kHexDigits + 1;
    return after == sheet.size() || !std::isxdigit(static_cast<unsigned char>(sheet[after]));
}

int channelAt(std::string_view sheet, std::size_t at) {
    return std::stoi(std::string(sheet.substr(at, 2)), nullptr, 16);
}

std::string hexOf(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

} // namespace

std::string helpStyleSheet(std::string_view sheet, Rgb page, Rgb link) {
    std::string shown;
    for (std::size_t at = 0; at < sheet.size(); ++at) {
        if (!isColourAt(sheet, at)) {
            shown += sheet[at];
            continue;
        }
        const Rgb colour{channelAt(sheet, at + 1), channelAt(sheet, at + 3),
                         channelAt(sheet, at + 5)};
        shown += hexOf(accentOn(colour, page));
        at += kHexDigits;
    }
    return shown + "\na { color: " + hexOf(accentOn(link, page)) + "; }\n";
}

} // namespace paysmith
