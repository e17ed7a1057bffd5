#pragma once

#include <QColor>

class QWidget;

namespace paysmith {

// Draws `widget`'s text in `accent`, or as near to it as reads on the
// widget's background, now and whenever the desktop's palette changes.
void keepAccent(QWidget* widget, const QColor& accent);

} // namespace paysmith
