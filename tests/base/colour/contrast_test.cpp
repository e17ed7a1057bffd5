#include "base/colour/contrast.h"

#include <gtest/gtest.h>

namespace paysmith {
namespace {

constexpr Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kYellow{255, 255, 0}, kDark{53, 53, 53},
    kLight{230, 230, 230}, kBlue{0, 0, 255};

// Text and accents on the backgrounds the program meets: what comes out must
// read, and what already read must stay as it was.
TEST(Contrast, WhatComesOutReadsAndWhatReadStays) {
    const struct {
        Rgb colour, background;
    } cases[] = {{kWhite, kWhite},  {kLight, kYellow},    {kBlack, kWhite}, {kBlue, kDark},
                 {kBlue, kWhite},   {kDark, kDark},       {kWhite, kDark},  {{200, 0, 0}, kDark},
                 {kYellow, kLight}, {{0, 0, 200}, kBlack}};
    for (const auto& c : cases) {
        const bool reads = contrastRatio(c.colour, c.background) >= kTextContrast;
        for (const Rgb shown :
             {textColourOn(c.colour, c.background), accentOn(c.colour, c.background)}) {
            EXPECT_GE(contrastRatio(shown, c.background), kTextContrast);
            if (reads) {
                EXPECT_EQ(contrastRatio(shown, c.colour), 1.0);
            }
        }
    }
    EXPECT_NEAR(contrastRatio(kBlack, kWhite), 21.0, 1e-9);
    const Rgb link = accentOn(kBlue, kDark);
    EXPECT_GT(link.blue, link.red) << "a link lightened for a dark window stays blue";
}

} // namespace
} // namespace paysmith
