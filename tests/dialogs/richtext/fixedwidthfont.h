#pragma once

#include "dialogs/richtext/layout.h"

namespace paysmith::testing_support {

// Every character of the label's own 12-pixel font is 6 pixels wide; of a
// font of p points, p / 2 pixels; bold adds one. A line is the size plus 4
// pixels high.
class FixedWidthFont : public TextMeasure {
  public:
    int width(std::u16string_view text, const RunStyle& style) const override {
        return static_cast<int>(text.size()) * (size(style) / 2 + (style.bold ? 1 : 0));
    }
    int ascent(const RunStyle& style) const override { return size(style); }
    int height(const RunStyle& style) const override { return size(style) + 4; }

  private:
    static int size(const RunStyle& style) { return style.points == 0 ? 12 : style.points; }
};

} // namespace paysmith::testing_support
