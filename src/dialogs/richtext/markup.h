#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace paysmith {

// How a piece of text is drawn. A size of 0 is the label's own font size;
// otherwise it is in points.
struct RunStyle {
    bool bold = false;
    bool italic = false;
    int points = 0;
    bool link = false;
    std::u16string target; // of the link, while `link` is set

    friend bool operator==(const RunStyle&, const RunStyle&) = default;
};

enum class LineAlignment { Left, Center, Right };

// One step of a mark-up text: a piece of text in one style, the end of a
// line, or a change of the alignment of the lines that follow.
struct MarkupItem {
    enum class Kind { Text, LineEnd, Align };
    Kind kind = Kind::Text;
    std::u16string text;
    RunStyle style;
    LineAlignment alignment = LineAlignment::Left;
};

// Reads the small subset of HTML the program's labels are written in: <p>
// with an align attribute, </p> and <br> ending lines, <b>, <i>, <font size=>,
// and <a href="..."> links. Tag and attribute names ignore case; unknown tags
// are dropped; missing closing tags leave their setting in force.
std::vector<MarkupItem> parseMarkup(std::u16string_view markup);

// The points of a <font size=...>: 1 to 5 are the HTML sizes, any other
// number is taken as points.
int pointsOfFontSize(int size);

} // namespace paysmith
