#include "base/text/utf8.h"

namespace paysmith {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

struct DecodedCharacter {
    char32_t codePoint;
    std::size_t length;
};

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Overlong forms, surrogates and values above U+10FFFF are ill-formed: their
// lead byte alone becomes one replacement character.
DecodedCharacter decodeAt(std::string_view bytes, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    if (lead < 0x80)
        return {lead, 1};

    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        smallest = 0x10000;
    } else {
        return {kReplacementCharacter, 1};
    }
    if (bytes.size() - pos < length)
        return {kReplacementCharacter, 1};
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[pos + i]);
        if (!isContinuation(byte))
            return {kReplacementCharacter, 1};
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < smallest || codePoint > 0x10FFFF || surrogate)
        return {kReplacementCharacter, 1};
    return {codePoint, length};
}

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

std::u16string utf16FromUtf8(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        const DecodedCharacter c = decodeAt(bytes, pos);
        pos += c.length;
        if (c.codePoint < 0x10000) {
            text += static_cast<char16_t>(c.codePoint);
        } else {
            const char32_t offset = c.codePoint - 0x10000;
            text += static_cast<char16_t>(0xD800 + (offset >> 10));
            text += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
        }
    }
    return text;
}

std::string utf8FromUtf16(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            appendUtf8(bytes, 0x10000 + ((char32_t{unit} - 0xD800) << 10) +
                                  (char32_t{text[i + 1]} - 0xDC00));
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(bytes, kReplacementCharacter);
        } else {
            appendUtf8(bytes, unit);
        }
    }
    return bytes;
}

std::size_t utf8PrefixLength(std::string_view bytes, std::size_t maxCharacters) {
    std::size_t pos = 0;
    for (std::size_t count = 0; count < maxCharacters && pos < bytes.size(); ++count)
        pos += decodeAt(bytes, pos).length;
    return pos;
}

} // namespace paysmith
