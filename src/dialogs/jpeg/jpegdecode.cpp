#include "dialogs/jpeg/jpegdecode.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace paysmith {

namespace {

// Larger pictures are refused rather than allocated.
constexpr unsigned long kMostPixels = 64UL * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

// libjpeg's own handler calls exit(); this one returns to the decoder.
[[noreturn]] void leaveOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void stayQuiet(j_common_ptr) {}

struct RawImage {
    unsigned width = 0;
    unsigned height = 0;
    unsigned char* pixels = nullptr; // malloc'ed
};

// Holds no object with a destructor: longjmp would skip it. A warning, such
// as a file that ends early, counts as a failure.
bool decodeRaw(const unsigned char* data, unsigned long size, RawImage* out) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = leaveOnError;
    errors.base.output_message = stayQuiet;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        std::free(out->pixels);
        out->pixels = nullptr;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3 || info.output_width == 0 || info.output_height == 0 ||
        static_cast<unsigned long>(info.output_width) * info.output_height > kMostPixels)
        leaveOnError(reinterpret_cast<j_common_ptr>(&info));

    const std::size_t stride = std::size_t{info.output_width} * 3;
    out->pixels = static_cast<unsigned char*>(std::malloc(stride * info.output_height));
    if (!out->pixels)
        leaveOnError(reinterpret_cast<j_common_ptr>(&info));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out->pixels + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    if (errors.base.num_warnings != 0)
        leaveOnError(reinterpret_cast<j_common_ptr>(&info));
    out->width = info.output_width;
    out->height = info.output_height;
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

std::optional<RgbImage> decodeJpeg(std::span<const std::uint8_t> bytes) {
    if (bytes.empty())
        return std::nullopt;
    RawImage raw;
    if (!decodeRaw(bytes.data(), static_cast<unsigned long>(bytes.size()), &raw))
        return std::nullopt;
    RgbImage image;
    image.width = static_cast<int>(raw.width);
    image.height = static_cast<int>(raw.height);
    image.pixels.assign(raw.pixels, raw.pixels + std::size_t{raw.width} * raw.height * 3);
    std::free(raw.pixels);
    return image;
}

} // namespace paysmith
