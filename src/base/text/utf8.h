#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace paysmith {

// The settings file is UTF-8 on disk while the program's texts are UTF-16.
// Bytes that are not well-formed UTF-8 each count as one character and
// decode to U+FFFD, so any byte sequence converts without failing.

std::u16string utf16FromUtf8(std::string_view bytes);

// Unpaired surrogates become U+FFFD.
std::string utf8FromUtf16(std::u16string_view text);

// The number of bytes that make up the first `maxCharacters` characters.
std::size_t utf8PrefixLength(std::string_view bytes, std::size_t maxCharacters);

} // namespace paysmith
