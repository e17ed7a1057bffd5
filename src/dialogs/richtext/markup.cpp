#include "dialogs/richtext/markup.h"

#include <array>

namespace paysmith {

namespace {

char16_t upper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

std::u16string upperCase(std::u16string_view text) {
    std::u16string result(text);
    for (char16_t& c : result)
        c = upper(c);
    return result;
}

// The tag's name in upper case, with a leading "/" for a closing tag.
std::u16string tagName(std::u16string_view tag) {
    std::size_t end = 0;
    if (end < tag.size() && tag[end] == u'/')
        ++end;
    while (end < tag.size() && tag[end] != u' ' && tag[end] != u'\t' && tag[end] != u'\n' &&
           tag[end] != u'\r' && tag[end] != u'/')
        ++end;
    return upperCase(tag.substr(0, end));
}

// The text between the first two double quotes after `attribute=`, if any.
bool alignmentOf(std::u16string_view tag, LineAlignment& alignment) {
    const std::u16string upperTag = upperCase(tag);
    const std::size_t at = upperTag.find(u"ALIGN");
    if (at == std::u16string::npos)
        return false;
    const std::size_t open = upperTag.find(u'"', at);
    const std::size_t close = open == std::u16string::npos ? open : upperTag.find(u'"', open + 1);
    if (close == std::u16string::npos)
        return false;
    const std::u16string_view value =
        std::u16string_view(upperTag).substr(open + 1, close - open - 1);
    if (value.find(u"LEFT") != std::u16string_view::npos)
        alignment = LineAlignment::Left;
    else if (value.find(u"RIGHT") != std::u16string_view::npos)
        alignment = LineAlignment::Right;
    else if (value.find(u"CENTER") != std::u16string_view::npos)
        alignment = LineAlignment::Center;
    else
        return false;
    return true;
}

bool fontSizeOf(std::u16string_view tag, int& size) {
    const std::u16string upperTag = upperCase(tag);
    std::size_t at = upperTag.find(u"SIZE=");
    if (at == std::u16string::npos)
        return false;
    at += 5;
    if (at < tag.size() && (tag[at] == u'"' || tag[at] == u'\''))
        ++at;
    int value = 0;
    bool digits = false;
    for (; at < tag.size() && tag[at] >= u'0' && tag[at] <= u'9' && value < 10000; ++at) {
        value = value * 10 + (tag[at] - u'0');
        digits = true;
    }
    if (digits)
        size = value;
    return digits;
}

std::u16string linkTarget(std::u16string_view tag) {
    const std::size_t open = tag.find(u'"');
    const std::size_t close = open == std::u16string_view::npos ? open : tag.find(u'"', open + 1);
    if (close == std::u16string_view::npos)
        return {};
    return std::u16string(tag.substr(open + 1, close - open - 1));
}

} // namespace

int pointsOfFontSize(int size) {
    constexpr std::array<int, 5> kHtmlSizes{8, 10, 12, 14, 16};
    return size >= 1 && size <= 5 ? kHtmlSizes[static_cast<std::size_t>(size - 1)] : size;
}

std::vector<MarkupItem> parseMarkup(std::u16string_view markup) {
    std::vector<MarkupItem> items;
    RunStyle style;
    std::u16string text;
    auto flushText = [&] {
        if (!text.empty())
            items.push_back({MarkupItem::Kind::Text, std::move(text), style, {}});
        text.clear();
    };

    std::size_t at = 0;
    while (at < markup.size()) {
        const std::size_t open = markup.find(u'<', at);
        const std::size_t close =
            open == std::u16string_view::npos ? open : markup.find(u'>', open);
        if (close == std::u16string_view::npos) {
            text += markup.substr(at);
            break;
        }
        text += markup.substr(at, open - at);
        at = close + 1;
        const std::u16string_view tag = markup.substr(open + 1, close - open - 1);
        const std::u16string name = tagName(tag);

        flushText();
        if (name == u"P") {
            LineAlignment alignment{};
            if (alignmentOf(tag, alignment))
                items.push_back({MarkupItem::Kind::Align, {}, style, alignment});
        } else if (name == u"/P" || name == u"BR") {
            items.push_back({MarkupItem::Kind::LineEnd, {}, style, {}});
        } else if (name == u"B" || name == u"/B") {
            style.bold = name == u"B";
        } else if (name == u"I" || name == u"/I") {
            style.italic = name == u"I";
        } else if (name == u"FONT") {
            int size = 0;
            if (fontSizeOf(tag, size))
                style.points = pointsOfFontSize(size);
        } else if (name == u"/FONT") {
            style.points = 0;
        } else if (name == u"A") {
            style.link = true;
            style.target = linkTarget(tag);
        } else if (name == u"/A") {
            style.link = false;
            style.target.clear();
        }
    }
    flushText();
    return items;
}

} // namespace paysmith
