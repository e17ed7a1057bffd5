#include "base/colour/contrast.h"

#include <cmath>

namespace paysmith {

namespace {

double linear(int channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(Rgb colour) {
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

int mixed(int from, int to, double share) {
    return static_cast<int>(std::lround(from + (to - from) * share));
}

} // namespace

double contrastRatio(Rgb first, Rgb second) {
    const double a = luminance(first) + 0.05;
    const double b = luminance(second) + 0.05;
    return a > b ? a / b : b / a;
}

Rgb textColourOn(Rgb text, Rgb background) {
    if (contrastRatio(text, background) >= kTextContrast)
        return text;
    const Rgb black;
    const Rgb white{255, 255, 255};
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

Rgb accentOn(Rgb accent, Rgb background, double contrast) {
    const Rgb black;
    const Rgb white{255, 255, 255};
    const int end = contrastRatio(white, background) > contrastRatio(black, background) ? 255 : 0;
    // Sixteenths are finer than the eye tells apart in a line of text.
    constexpr int kSteps = 16;
    for (int step = 0; step < kSteps; ++step) {
        const double share = static_cast<double>(step) / kSteps;
        const Rgb tried{mixed(accent.red, end, share), mixed(accent.green, end, share),
                        mixed(accent.blue, end, share)};
        if (contrastRatio(tried, background) >= contrast)
            return tried;
    }
    return end == 255 ? white : black;
}

} // namespace paysmith
