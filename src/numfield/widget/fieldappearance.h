#pragma once

#include <QColor>

namespace paysmith {

// A text colour on a background; an invalid colour stands for the palette's.
struct TColorPair {
    QColor TextColor;
    QColor BackColor;
};

// The colours a field switches to when it is disabled, marked invalid, or
// shows its selection.
struct TEFColors {
    TColorPair Disabled;
    TColorPair Error{QColor(Qt::black), QColor(Qt::red)};
    TColorPair Highlight;
};

enum class TCaretShape { csBlock, csHalfBlock, csVertLine, csHorzLine };

// A size of 0 takes the font's: a digit's width, the text's height.
struct TCaret {
    TCaretShape Shape = TCaretShape::csVertLine;
    int Width = 0;
    int Height = 0;
};

} // namespace paysmith
