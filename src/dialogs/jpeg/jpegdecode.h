#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace paysmith {

// A decoded picture: rows of red, green and blue bytes, top row first, with
// no padding between rows.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// Decodes a JPEG file's bytes. Anything libjpeg cannot read whole - an empty,
// cut-off or corrupt file, or a picture too large to hold - gives nothing;
// it never ends the program.
std::optional<RgbImage> decodeJpeg(std::span<const std::uint8_t> bytes);

} // namespace paysmith
