#include "dialogs/links/linklabelstate.h"

namespace paysmith {

namespace {

LabelColour resolved(LabelColour colour, LabelColour fontColour) {
    return colour == kNoColour ? fontColour : colour;
}

} // namespace

void LinkLabelState::setHighlightColor(LabelColour colour, LabelColour fontColour) {
    m_highlight = resolved(colour, fontColour);
    m_remembered = kNotCaptured;
}

void LinkLabelState::setVisitedColor(LabelColour colour, LabelColour fontColour) {
    m_visited = resolved(colour, fontColour);
    m_remembered = kNotCaptured;
}

LabelColour LinkLabelState::beginHighlight(LabelColour fontColour) {
    if (m_remembered == kNotCaptured)
        m_remembered = fontColour;
    return m_highlight;
}

void LinkLabelState::clicked() {
    if (m_useVisited)
        m_remembered = m_visited;
}

std::u16string_view shownLinkText(std::u16string_view caption, std::u16string_view url) {
    return caption.empty() ? url : caption;
}

std::u16string_view addressToOpen(std::u16string_view url) {
    return url.substr(0, kLongestAddress);
}

} // namespace paysmith
