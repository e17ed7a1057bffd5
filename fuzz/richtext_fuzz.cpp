// Arbitrary mark-up laid out at an arbitrary width: parsing and layout never
// fail, every run lies on its line, lines follow each other without gaps,
// and a link is found only where a link was laid out.

#include "dialogs/richtext/layout.h"

#include "dialogs/richtext/fixedwidthfont.h"

#include <cstdlib>
#include <string>

using namespace paysmith;
using testing_support::FixedWidthFont;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Pixel widths are ints: the longest text at the largest size must fit.
    if (size < 1 || size > 2048)
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
