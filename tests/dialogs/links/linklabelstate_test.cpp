#include "dialogs/links/linklabelstate.h"

#include <gtest/gtest.h>

#include <string>

namespace paysmith {
namespace {

constexpr LabelColour kBlue = 0x00FF0000;
constexpr LabelColour kGreen = 0x0000FF00;
constexpr LabelColour kPurple = 0x00800080;

// One highlight from start to end: what the font shows, then returns to.
struct Hover {
    LabelColour shown;
    LabelColour restored;
};

Hover hover(LinkLabelState& state, LabelColour& font) {
    font = state.beginHighlight(font);
    const Hover seen{font, state.endHighlight()};
    font = seen.restored;
    return seen;
}

TEST(LinkLabelState, HighlightCapturesTheRestingColourOnce) {
    LinkLabelState state;
    LabelColour font = kBlue;
    EXPECT_EQ(state.rememberedColor(), kNotCaptured);
    EXPECT_EQ(hover(state, font).shown, kRed);
    EXPECT_EQ(font, kBlue);
    // The captured colour stays: a font changed meanwhile is not taken again.
    font = kGreen;
    EXPECT_EQ(hover(state, font).restored, kBlue);
}

TEST(LinkLabelState, VisitedColourTakesOverAfterAClickOnlyWhenUsed) {
    for (const bool use : {false, true}) {
        LinkLabelState state;
        state.setUseVisitedColor(use);
        LabelColour font = kBlue;
        state.setVisitedColor(kPurple, font);
        font = state.beginHighlight(font);
        state.clicked();
        // The font keeps the highlight until the pointer leaves.
        EXPECT_EQ(font, kRed);
        font = state.endHighlight();
        EXPECT_EQ(font, use ? kPurple : kBlue) << use;
        EXPECT_EQ(hover(state, font).restored, use ? kPurple : kBlue) << use;
    }
}

TEST(LinkLabelState, NoColourStandsForTheFontsColourAndForgetsTheCapture) {
    LinkLabelState state;
    LabelColour font = kBlue;
    hover(state, font);
    state.setHighlightColor(kNoColour, kGreen);
    EXPECT_EQ(state.highlightColor(), kGreen);
    EXPECT_EQ(state.rememberedColor(), kNotCaptured);
    state.setVisitedColor(kNoColour, kBlue);
    EXPECT_EQ(state.visitedColor(), kBlue);
    font = kGreen;
    EXPECT_EQ(hover(state, font).shown, kGreen);
}

TEST(LinkLabelText, CaptionOrAddressAndTheCutAddress) {
    EXPECT_EQ(shownLinkText(u"Home", u"https://a.example/"), u"Home");
    EXPECT_EQ(shownLinkText(u"", u"https://a.example/"), u"https://a.example/");
    const std::u16string longest(kLongestAddress, u'a');
    EXPECT_EQ(addressToOpen(longest + u"bc"), longest);
    EXPECT_EQ(addressToOpen(u"mailto:x@y.example"), u"mailto:x@y.example");
}

} // namespace
} // namespace paysmith
