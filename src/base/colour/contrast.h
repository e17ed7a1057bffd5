#pragma once

namespace paysmith {

// A colour on the screen, each channel 0 to 255 in sRGB.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// How far apart two colours are to the eye, as WCAG 2 measures it: from 1
// (the same) to 21 (black on white).
double contrastRatio(Rgb first, Rgb second);

// What text needs to be read by most eyes, and what a line of a chart needs.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kLineContrast = 3.0;

// `text` where it reads on `background`; otherwise black or white, whichever
// reads better. For text whose background is fixed while its colour comes
// from the desktop's palette.
Rgb textColourOn(Rgb text, Rgb background);

// `accent` where it reaches `contrast` on `background`; otherwise mixed with
// white on a dark background, or with black on a light one, only as far as
// it takes, so that a blue link stays a blue one can read.
Rgb accentOn(Rgb accent, Rgb background, double contrast = kTextContrast);

} // namespace paysmith
