#include "dialogs/richtext/layout.h"

#include <algorithm>

namespace paysmith {

namespace {

// A word may change style in its middle ("<b>bold</b>er"); its pieces move
// to the next line together.
struct Piece {
    std::u16string text;
    RunStyle style;
};

class LineBuilder {
  public:
    LineBuilder(int labelWidth, const TextMeasure& measure)
        : m_labelWidth(labelWidth), m_measure(measure) {}

    void begin(const RunStyle& style) {
        m_line = LaidOutLine{};
        m_line.top = m_nextTop;
        m_ascent = m_measure.ascent(style);
        m_descent = m_measure.height(style) - m_ascent;
        m_spaces.clear();
        m_hasText = false;
    }

    void addSpaces(std::u16string_view spaces, const RunStyle& style) {
        m_spaces.push_back({std::u16string(spaces), style});
    }

    void addWord(std::vector<Piece>& word) {
        LaidOutLine extended = m_line;
        for (const Piece& piece : m_spaces)
            append(extended, piece);
        for (const Piece& piece : word)
            append(extended, piece);
        if (m_hasText && extent(extended) > m_labelWidth) {
            end();
            begin(word.front().style);
            for (const Piece& piece : word)
                append(m_line, piece);
        } else {
            for (const Piece& space : m_spaces)
                growTo(space.style);
            m_line = std::move(extended);
        }
        for (const Piece& piece : word)
            growTo(piece.style);
        m_spaces.clear();
        word.clear();
        m_hasText = true;
    }

    void end() {
        m_line.height = m_ascent + m_descent;
        m_line.baseline = m_ascent;
        const int lineWidth = extent(m_line);
        int shift = 0;
        if (lineWidth < m_labelWidth) {
            if (m_alignment == LineAlignment::Right)
                shift = m_labelWidth - lineWidth;
            else if (m_alignment == LineAlignment::Center)
                shift = (m_labelWidth - lineWidth) / 2;
        }
        for (PlacedRun& run : m_line.runs)
            run.x += shift;
        m_nextTop += m_line.height;
        m_layout.lines.push_back(std::move(m_line));
    }

    void setAlignment(LineAlignment alignment) { m_alignment = alignment; }
    TextLayout take() { return std::move(m_layout); }

  private:
    static int extent(const LaidOutLine& line) {
        return line.runs.empty() ? 0 : line.runs.back().x + line.runs.back().width;
    }

    // Neighbours in one style join into one run, measured whole: the widths
    // of its words, each rounded to a pixel, would add up to more or less
    // than the run drawn as one text, and the next run would stand off.
    void append(LaidOutLine& line, const Piece& piece) const {
        if (!line.runs.empty() && line.runs.back().style == piece.style) {
            PlacedRun& run = line.runs.back();
            run.text += piece.text;
            run.width = m_measure.width(run.text, run.style);
            return;
        }
        line.runs.push_back(
            {extent(line), m_measure.width(piece.text, piece.style), piece.text, piece.style});
    }

    void growTo(const RunStyle& style) {
        m_ascent = std::max(m_ascent, m_measure.ascent(style));
        m_descent = std::max(m_descent, m_measure.height(style) - m_measure.ascent(style));
    }

    int m_labelWidth;
    const TextMeasure& m_measure;
    TextLayout m_layout;
    LaidOutLine m_line;
    std::vector<Piece> m_spaces;
    LineAlignment m_alignment = LineAlignment::Left;
    int m_nextTop = 0;
    int m_ascent = 0;
    int m_descent = 0;
    bool m_hasText = false;
};

} // namespace

TextLayout layOut(const std::vector<MarkupItem>& items, int labelWidth,
                  const TextMeasure& measure) {
    LineBuilder lines(labelWidth, measure);
    RunStyle style;
    lines.begin(style);
    bool lineOpen = true;
    std::vector<Piece> word;

    auto openLine = [&] {
        if (!lineOpen) {
            lines.begin(style);
            lineOpen = true;
        }
    };
    auto flushWord = [&] {
        if (!word.empty())
            lines.addWord(word);
    };

    for (const MarkupItem& item : items) {
        switch (item.kind) {
        case MarkupItem::Kind::Align:
            lines.setAlignment(item.alignment);
            break;
        case MarkupItem::Kind::LineEnd:
            openLine();
            flushWord();
            lines.end();
            lineOpen = false;
            break;
        case MarkupItem::Kind::Text: {
            openLine();
            style = item.style;
            const std::u16string_view text = item.text;
            std::size_t at = 0;
            while (at < text.size()) {
                const bool space = text[at] == u' ';
                std::size_t end = at;
                while (end < text.size() && (text[end] == u' ') == space)
                    ++end;
                if (space) {
                    flushWord();
                    lines.addSpaces(text.substr(at, end - at), style);
                } else {
                    word.push_back({std::u16string(text.substr(at, end - at)), style});
                }
                at = end;
            }
            break;
        }
        }
        style = item.style;
    }
    if (lineOpen) {
        flushWord();
        lines.end();
    }
    return lines.take();
}

std::optional<std::u16string> linkAt(const TextLayout& layout, int x, int y) {
    for (const LaidOutLine& line : layout.lines) {
        if (y < line.top || y >= line.top + line.height)
            continue;
        for (const PlacedRun& run : line.runs)
            if (run.style.link && x >= run.x && x < run.x + run.width)
                return run.style.target;
    }
    return std::nullopt;
}

} // namespace paysmith
