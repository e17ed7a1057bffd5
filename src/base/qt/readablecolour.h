#pragma once

#include "base/colour/contrast.h"

#include <QColor>

namespace paysmith {

Rgb rgbOf(const QColor& colour);
double contrastRatio(const QColor& first, const QColor& second);
// `text` where it reads on `background`, else black or white.
QColor readableText(const QColor& text, const QColor& background);
// `accent`, or the nearest lighter or darker shade of it that reads on
// `background`.
QColor readableAccent(const QColor& accent, const QColor& background,
                      double contrast = kTextContrast);

} // namespace paysmith
