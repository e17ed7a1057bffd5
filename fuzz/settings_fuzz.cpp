// Arbitrary bytes as the settings file, which people edit by hand: read,
// written back, read and written again. The second write must equal the
// first, and comment lines the program does not own must survive.

#include "app/settings/inidocument.h"
#include "app/settings/savedvalues.h"

#include <cstdlib>
#include <string>
#include <string_view>

using namespace paysmith;

namespace {

std::string rewritten(std::string_view text, char16_t separator) {
    IniDocument document(text);
    const SavedValues values = readSavedValues(document, separator);
    writeSavedValues(document, values, separator);
    return document.text();
}

bool isComment(std::string_view line) {
    return !line.empty() && (line.front() == ';' || line.front() == '#') &&
           line.find('\r') == std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const char16_t separator = data[0] % 2 ? u',' : u'.';
    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::string first = rewritten(input, separator);
    if (rewritten(first, separator) != first)
        std::abort();

    for (std::size_t at = 0; at < input.size();) {
        std::size_t end = input.find('\n', at);
        if (end == std::string_view::npos)
            end = input.size();
        const std::string_view line = input.substr(at, end - at);
        if (isComment(line) && first.find(line) == std::string::npos)
            std::abort();
        at = end + 1;
    }
    return 0;
}
