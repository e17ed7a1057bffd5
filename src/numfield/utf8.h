#pragma once

#include <string>
#include <string_view>

namespace paysmith {

// Exception messages are UTF-8 while field texts are UTF-16. A lone surrogate
// becomes U+FFFD rather than an invalid byte sequence.
std::string toUtf8(std::u16string_view text);

} // namespace paysmith
