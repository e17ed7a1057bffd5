// Arbitrary mark-up laid out at an arbitrary width: parsing and layout never
// fail, every run lies on its line, lines follow each other without gaps,
// and a link is found only where a link was laid out.

#include "dialogs/richtext/layout.h"

#include <cstdlib>
#include <string>

using namespace paysmith;

namespace {

class FixedWidthFont : public TextMeasure {
  public:
    int width(std::u16string_view text, const RunStyle& style) const override {
        return static_cast<int>(text.size()) * (size(style) / 2 + (style.bold ? 1 : 0));
    }
    int ascent(const RunStyle& style) const override { return size(style); }
    int height(const RunStyle& style) const override { return size(style) + 4; }

  private:
    static int size(const RunStyle& style) { return style.points == 0 ? 12 : style.points % 200; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const int labelWidth = data[0] * 3;
    std::u16string markup;
    for (std::size_t i = 1; i < size; ++i)
        markup += static_cast<char16_t>(data[i]);

    const FixedWidthFont font;
    const TextLayout layout = layOut(parseMarkup(markup), labelWidth, font);
    int top = 0;
    for (const LaidOutLine& line : layout.lines) {
        if (line.top != top || line.height < 0 || line.baseline > line.height)
            std::abort();
        top += line.height;
        for (const PlacedRun& run : line.runs) {
            if (run.x < 0 || run.width != font.width(run.text, run.style))
                std::abort();
            const auto hit = linkAt(layout, run.x, line.top);
            if (run.width > 0 && run.style.link != hit.has_value())
                std::abort();
        }
    }
    return 0;
}
