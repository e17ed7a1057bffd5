#pragma once

#include <QImage>

#include <cstddef>
#include <cstdint>

namespace paysmith {

// The one entry of the loadable logo module: decodes a JPEG file's bytes into
// `picture`, which stays null when they cannot be read.
using LogoEntry = void (*)(const std::uint8_t* bytes, std::size_t size, QImage& picture);
inline constexpr const char* kLogoEntryName = "paysmith_logo_image";

} // namespace paysmith
