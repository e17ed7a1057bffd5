#include "dialogs/jpeg/jpegdecode.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

namespace paysmith {
namespace {

std::vector<std::uint8_t> logoBytes() {
    std::ifstream file(PAYSMITH_LOGO_FILE, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

TEST(JpegDecode, TheLogoDecodesWhole) {
    const std::vector<std::uint8_t> bytes = logoBytes();
    ASSERT_FALSE(bytes.empty());
    const std::optional<RgbImage> logo = decodeJpeg(bytes);
    ASSERT_TRUE(logo);
    EXPECT_EQ(logo->width, 420);
    EXPECT_EQ(logo->height, 60);
    EXPECT_EQ(logo->pixels.size(), 420u * 60 * 3);
}

// A broken file gives no picture, and never ends the program.
TEST(JpegDecode, BrokenFilesGiveNothing) {
    const std::vector<std::uint8_t> bytes = logoBytes();
    std::mt19937 random(4600);
    std::vector<std::uint8_t> noise(4096);
    for (std::uint8_t& b : noise)
        b = static_cast<std::uint8_t>(random());
    std::vector<std::uint8_t> headerThenNoise(bytes.begin(), bytes.begin() + 600);
    headerThenNoise.insert(headerThenNoise.end(), noise.begin(), noise.end());

    const std::vector<std::vector<std::uint8_t>> broken{
        {},
        {0xFF, 0xD8},
        std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + bytes.size() / 2),
        std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 2),
        noise,
        headerThenNoise,
    };
    for (std::size_t i = 0; i < broken.size(); ++i)
        EXPECT_FALSE(decodeJpeg(broken[i])) << "case " << i;
}

} // namespace
} // namespace paysmith
