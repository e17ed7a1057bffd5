#include "dialogs/richtext/layout.h"

#include "dialogs/richtext/fixedwidthfont.h"

#include <gtest/gtest.h>

#include <string>

namespace paysmith {
namespace {

using testing_support::FixedWidthFont;

std::string ascii(std::u16string_view text) {
    return std::string(text.begin(), text.end());
}

// A line as "x:text|x:text@top+height".
std::string describe(const LaidOutLine& line) {
    std::string out;
    for (const PlacedRun& run : line.runs)
        out += (out.empty() ? "" : "|") + std::to_string(run.x) + ":" + ascii(run.text);
    return out + "@" + std::to_string(line.top) + "+" + std::to_string(line.height);
}

struct LayoutCase {
    const char* name;
    std::u16string markup;
    int width;
    std::vector<std::string> lines;
};

class RichTextLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(RichTextLayout, PlacesLines) {
    const FixedWidthFont font;
    const TextLayout layout = layOut(parseMarkup(GetParam().markup), GetParam().width, font);
    std::vector<std::string> lines;
    for (const LaidOutLine& line : layout.lines)
        lines.push_back(describe(line));
    EXPECT_EQ(lines, GetParam().lines);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, RichTextLayout, testing::Values(
    LayoutCase{"wraps_at_spaces", u"aaa bbb ccc", 50, {"0:aaa bbb@0+16", "0:ccc@16+16"}},
    LayoutCase{"long_word_alone_on_its_line", u"aaaaaaaaaaaa b", 30, {"0:aaaaaaaaaaaa@0+16", "0:b@16+16"}},
    LayoutCase{"centred_lines_each_on_their_own", u"<P align=\"center\">aaa bbb ccc</P>", 50, {"4:aaa bbb@0+16", "16:ccc@16+16"}},
    LayoutCase{"right_aligned", u"<p align=\"right\">ab</p>", 50, {"38:ab@0+16"}},
    LayoutCase{"wide_centred_line_starts_left", u"<p align=\"CENTER\">aaaaaaaaaa</p>", 50, {"0:aaaaaaaaaa@0+16"}},
    LayoutCase{"unknown_align_keeps_left", u"<p align=\"middle\">ab</p>", 50, {"0:ab@0+16"}},
    LayoutCase{"word_keeps_together_across_styles", u"aaaa <b>bb</b>cc", 60, {"0:aaaa |30:bb|44:cc@0+16"}},
    LayoutCase{"styled_word_wraps_whole", u"aaaaa <b>bb</b>cc", 50, {"0:aaaaa@0+16", "0:bb|14:cc@16+16"}},
    LayoutCase{"paragraphs_end_in_an_empty_line", u"<p><font size=2>aa<br></font></p><p><font size=2>bb<br></font></p>", 100, {"0:aa@0+16", "@16+14", "0:bb@30+16", "@46+14"}},
    LayoutCase{"unclosed_paragraph_ends_with_the_text", u"<p><font size=2>aa</p><p>bb", 100, {"0:aa@0+16", "0:bb@16+14"}},
    LayoutCase{"upper_case_tags", u"<P ALIGN=\"RIGHT\"><B>a</B><I>b</I><BR>c</P>", 20, {"7:a|14:b@0+16", "14:c@16+16"}},
    LayoutCase{"taller_text_raises_its_line", u"a<font size=5>b</font>c", 100, {"0:a|6:b|14:c@0+20"}},
    LayoutCase{"line_takes_the_font_where_it_begins", u"<font size=18>a<br></font>b", 100, {"0:a@0+22", "0:b@22+22"}},
    LayoutCase{"unterminated_tag_is_text", u"a <b", 100, {"0:a <b@0+16"}}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });
// clang-format on

TEST(RichTextMarkup, FontSizesAndLinkTargets) {
    const std::pair<int, int> sizes[] = {{1, 8},  {2, 10}, {3, 12}, {4, 14},
                                         {5, 16}, {0, 0},  {7, 7},  {24, 24}};
    for (const auto& [size, points] : sizes)
        EXPECT_EQ(pointsOfFontSize(size), points) << size;

    const auto items =
        parseMarkup(u"<A HREF=\"https://x.example/a.htm?ref=PSM4600\" title=\"t\">go</a> on");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_TRUE(items[0].style.link);
    EXPECT_EQ(items[0].style.target, u"https://x.example/a.htm?ref=PSM4600");
    EXPECT_FALSE(items[1].style.link);
    EXPECT_TRUE(items[1].style.target.empty());
}

TEST(RichTextMarkup, LinkHitAreaIsItsTextOnItsLine) {
    const FixedWidthFont font;
    const TextLayout layout = layOut(parseMarkup(u"ab <a href=\"m\">cd</a> ef<br>gh"), 200, font);
    // "ab " is 18 pixels, the link 12 more, on a 16-pixel line.
    EXPECT_EQ(linkAt(layout, 18, 0), u"m");
    EXPECT_EQ(linkAt(layout, 29, 15), u"m");
    EXPECT_EQ(linkAt(layout, 17, 5), std::nullopt);
    EXPECT_EQ(linkAt(layout, 30, 5), std::nullopt);
    EXPECT_EQ(linkAt(layout, 20, 16), std::nullopt);
}

} // namespace
} // namespace paysmith
