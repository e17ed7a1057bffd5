#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace paysmith {

// The cores keep their texts as UTF-16, as QString does, so both directions
// copy code units unchanged: marks outside the BMP and lone surrogates survive.
QString toQString(std::u16string_view text);
std::u16string toU16String(const QString& text);

} // namespace paysmith
