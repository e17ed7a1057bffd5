#include "base/qt/readablecolour.h"

namespace paysmith {

namespace {

QColor qColorOf(Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

} // namespace

Rgb rgbOf(const QColor& colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

double contrastRatio(const QColor& first, const QColor& second) {
    return contrastRatio(rgbOf(first), rgbOf(second));
}

QColor readableText(const QColor& text, const QColor& background) {
    return qColorOf(textColourOn(rgbOf(text), rgbOf(background)));
}

QColor readableAccent(const QColor& accent, const QColor& background, double contrast) {
    return qColorOf(accentOn(rgbOf(accent), rgbOf(background), contrast));
}

} // namespace paysmith
