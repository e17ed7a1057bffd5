#include "dialogs/about/logomodule.h"

#include "dialogs/jpeg/jpegdecode.h"

#include <cstring>
#include <optional>

extern "C" Q_DECL_EXPORT void paysmith_logo_image(const std::uint8_t* bytes, std::size_t size,
                                                  QImage& picture) {
    const std::optional<paysmith::RgbImage> decoded = paysmith::decodeJpeg({bytes, size});
    if (!decoded)
        return;
    QImage image(decoded->width, decoded->height, QImage::Format_RGB888);
    // QImage pads its rows to four bytes; the decoder's rows are packed.
    const std::size_t rowBytes = std::size_t(decoded->width) * 3;
    for (int y = 0; y < decoded->height; ++y)
        std::memcpy(image.scanLine(y), decoded->pixels.data() + rowBytes * std::size_t(y),
                    rowBytes);
    picture = image;
}
