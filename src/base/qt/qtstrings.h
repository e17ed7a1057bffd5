#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace paysmith {

// The cores keep their texts as UTF-16, as QString does, so both directions
// copy code units unchanged: marks outside the BMP and lone surrogates survive.
QString toQString(std::u16string_view text);
QString toQString(std::string_view utf8Text);
std::u16string toU16String(const QString& text);

// A text the cores write, as the user sees it: through the translation of
// `context`, or unchanged where none is installed.
QString translated(const char* context, std::u16string_view text);
QString translated(const char* context, std::string_view utf8Text);
// `utf8Text` translated in `context`, its %1, %2 and so on filled with
// `numbers` in order.
QString translatedWithNumbers(const char* context, std::string_view utf8Text,
                              const std::vector<std::int32_t>& numbers);

} // namespace paysmith
