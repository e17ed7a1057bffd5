// Arbitrary bytes as the About dialog's logo: libjpeg either gives a whole
// picture of the size it announces or nothing, and never ends the program.

#include "dialogs/jpeg/jpegdecode.h"

#include <cstdlib>

using namespace paysmith;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<RgbImage> image = decodeJpeg({data, size});
    if (image &&
        (image->width <= 0 || image->height <= 0 ||
         image->pixels.size() != std::size_t(image->width) * std::size_t(image->height) * 3))
        std::abort();
    return 0;
}
