#pragma once

#include "dialogs/richtext/markup.h"

#include <optional>
#include <string>
#include <vector>

namespace paysmith {

// What the layout needs to know of the fonts: how wide a text is and how
// high a line of it is, in pixels, for each style.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    virtual int width(std::u16string_view text, const RunStyle& style) const = 0;
    virtual int ascent(const RunStyle& style) const = 0;
    virtual int height(const RunStyle& style) const = 0;
};

struct PlacedRun {
    int x = 0; // from the label's left edge
    int width = 0;
    std::u16string text;
    RunStyle style;
};

struct LaidOutLine {
    int top = 0;
    int height = 0;
    int baseline = 0; // from the line's top
    std::vector<PlacedRun> runs;
};

struct TextLayout {
    std::vector<LaidOutLine> lines;
};

// Lays the items out in lines from the label's top: words wrap at spaces
// when they would pass the right edge, each line is as high as the font in
// force where it begins or its tallest text, and right-aligned and centred
// lines narrower than the label move right. What passes the label's edges is
// the painter's to cut.
TextLayout layOut(const std::vector<MarkupItem>& items, int labelWidth, const TextMeasure& measure);

// The target of the link drawn at (x, y), if there is one.
std::optional<std::u16string> linkAt(const TextLayout& layout, int x, int y);

} // namespace paysmith
