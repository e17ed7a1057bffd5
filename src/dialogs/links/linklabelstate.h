#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace paysmith {

// Colours as the link label keeps them: 0x00BBGGRR, so 255 is pure red.
using LabelColour = std::uint32_t;

inline constexpr LabelColour kRed = 0x000000FF;
inline constexpr LabelColour kBlack = 0x00000000;
// The platform's "no colour": given as a highlight or visited colour it stands
// for the font's colour at that moment.
inline constexpr LabelColour kNoColour = 0x1FFFFFFF;
// Held by the remembered colour until a highlight has captured the font's.
inline constexpr LabelColour kNotCaptured = 0x02000000;

// Addresses reach the desktop as at most this many characters.
inline constexpr std::size_t kLongestAddress = 1023;

// The colour rules of a link label: what the font shows while the pointer is
// over it, and what it goes back to. The label owns the font and the timer;
// this only decides the colours.
class LinkLabelState {
  public:
    LabelColour highlightColor() const { return m_highlight; }
    LabelColour visitedColor() const { return m_visited; }
    LabelColour rememberedColor() const { return m_remembered; }
    bool useVisitedColor() const { return m_useVisited; }

    // Each change forgets the captured colour, so the next highlight captures anew.
    void setHighlightColor(LabelColour colour, LabelColour fontColour);
    void setVisitedColor(LabelColour colour, LabelColour fontColour);
    void setUseVisitedColor(bool use) { m_useVisited = use; }

    // The pointer came over the label: the colour the font shows now.
    LabelColour beginHighlight(LabelColour fontColour);
    // The pointer has left: the colour the font goes back to.
    LabelColour endHighlight() const { return m_remembered; }
    // After a click the label rests in the visited colour, if it uses one.
    void clicked();

  private:
    LabelColour m_highlight = kRed;
    LabelColour m_visited = kBlack;
    LabelColour m_remembered = kNotCaptured;
    bool m_useVisited = false;
};

// The text a link label shows: its caption, or its address while the caption is empty.
std::u16string_view shownLinkText(std::u16string_view caption, std::u16string_view url);

// The part of an address that is handed to the desktop.
std::u16string_view addressToOpen(std::u16string_view url);

} // namespace paysmith
