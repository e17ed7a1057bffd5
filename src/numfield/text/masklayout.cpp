#include "numfield/text/masklayout.h"

#include "numfield/text/numberparse.h"

#include <algorithm>

namespace paysmith {

namespace {

constexpr char16_t kBlank = u' ';

struct Run {
    std::size_t first;
    std::size_t end; // one past the last position
};

Run runAt(const std::u16string& text, std::size_t first) {
    std::size_t end = first;
    while (end < text.size() && text[end] == text[first])
        ++end;
    return {first, end};
}

// A fixed currency run: the prefix right-aligned in a run of "c", the suffix
// left-aligned in a run of "C", cut to the run when longer.
void fillCurrencyRun(std::u16string& text, Run run, const std::u16string& currency,
                     bool rightAligned) {
    const std::size_t length = run.end - run.first;
    const std::size_t shown = std::min(length, currency.size());
    std::fill(text.begin() + static_cast<std::ptrdiff_t>(run.first),
              text.begin() + static_cast<std::ptrdiff_t>(run.end), kBlank);
    if (rightAligned)
        std::copy(currency.end() - static_cast<std::ptrdiff_t>(shown), currency.end(),
                  text.begin() + static_cast<std::ptrdiff_t>(run.end - shown));
    else
        std::copy(currency.begin(), currency.begin() + static_cast<std::ptrdiff_t>(shown),
                  text.begin() + static_cast<std::ptrdiff_t>(run.first));
}

} // namespace

MaskLayout::MaskLayout(PictureMask mask, const TIntlSupport& intl)
    : m_mask(std::move(mask)), m_intl(&intl) {
    const std::u16string& layout = m_mask.layoutText();
    if (const std::size_t dollar = layout.find(u'$'); dollar != std::u16string::npos) {
        const Run run = runAt(layout, dollar);
        m_currency = m_intl->CurrencyPrefix().substr(0, run.end - run.first);
        m_digitAreaStart = run.end;
    }
    m_base = baseText();
}

std::u16string MaskLayout::baseText() const {
    std::u16string text = m_mask.layoutText();
    for (std::size_t i = 0; i < text.size();) {
        const Run run = runAt(text, i);
        if (text[i] == u'c')
            fillCurrencyRun(text, run, m_intl->CurrencyPrefix(), true);
        else if (text[i] == u'C')
            fillCurrencyRun(text, run, m_intl->CurrencySuffix(), false);
        i = run.end;
    }
    // Right of the decimals nothing of the number is shown.
    if (const std::optional<std::size_t> point = m_mask.decimalPoint()) {
        text[*point] = m_intl->DecimalMark();
        const std::size_t decimalsEnd =
            *point + 1 + static_cast<std::size_t>(m_mask.decimalPlaces());
        for (std::size_t i = decimalsEnd; i < text.size(); ++i) {
            if (m_mask.positionClass(i) != MaskPositionClass::Literal)
                text[i] = kBlank;
        }
    }
    return text;
}

std::optional<std::u16string> MaskLayout::merge(std::u16string_view numberText) const {
    const bool negative = !numberText.empty() && numberText.front() == u'-';
    if (negative)
        numberText.remove_prefix(1);
    const std::size_t point = numberText.find(u'.');
    const std::u16string_view integerDigits = numberText.substr(0, point);
    const std::u16string_view decimals =
        point == std::u16string_view::npos ? std::u16string_view{} : numberText.substr(point + 1);

    std::u16string text = m_base;
    placeDecimals(text, decimals);
    if (!placeIntegerPart(text, integerDigits, negative))
        return std::nullopt;
    // 0.5 shows as 0.5, never with a bare point.
    if (const std::optional<std::size_t> point = m_mask.decimalPoint(); point && *point > 0) {
        const std::size_t before = *point - 1;
        if (text[before] == kBlank && m_mask.positionClass(before) != MaskPositionClass::Literal)
            text[before] = u'0';
    }
    return text;
}

void MaskLayout::placeDecimals(std::u16string& text, std::u16string_view decimals) const {
    const std::optional<std::size_t> point = m_mask.decimalPoint();
    if (!point)
        return;
    for (int place = 0; place < m_mask.decimalPlaces(); ++place) {
        const auto index = static_cast<std::size_t>(place);
        text[*point + 1 + index] = index < decimals.size() ? decimals[index] : u'0';
    }
}

// Right to left from the decimal point: digits into picture positions of the
// digit area, grouping marks into "," with digits still to come on their left,
// and into every other free position the currency, then the sign, then blanks.
bool MaskLayout::placeIntegerPart(std::u16string& text, std::u16string_view digits,
                                  bool negative) const {
    std::size_t remaining = digits.size();
    std::size_t currencyLeft = m_currency.size();
    bool signPending = negative;
    const std::size_t start = m_mask.decimalPoint().value_or(text.size() - 1) + 1;
    for (std::size_t i = start; i-- > 0;) {
        const MaskPositionClass positionClass = m_mask.positionClass(i);
        if (positionClass == MaskPositionClass::Literal)
            continue;
        const char16_t maskCharacter = m_mask.layoutText()[i];
        if (remaining > 0 && positionClass == MaskPositionClass::Picture && i >= m_digitAreaStart) {
            text[i] = digits[--remaining];
        } else if (remaining > 0 && maskCharacter == u',') {
            text[i] = m_intl->GroupMark();
        } else if (currencyLeft > 0) {
            text[i] = m_currency[--currencyLeft];
        } else if (signPending) {
            text[i] = u'-';
            signPending = false;
        } else {
            text[i] = kBlank;
        }
    }
    return remaining == 0 && !signPending;
}

std::u16string MaskLayout::overflowText() const {
    return std::u16string(m_mask.displayLength(), kOverflowMark);
}

bool MaskLayout::isOverflowText(std::u16string_view displayText) const {
    return displayText.size() == m_mask.displayLength() &&
           displayText.find_first_not_of(kOverflowMark) == std::u16string_view::npos;
}

std::u16string MaskLayout::displayString(std::u16string_view displayText) const {
    if (!m_mask.hasParentheses() && !m_mask.hasSignPlace())
        return std::u16string(trimBlanks(displayText));
    const std::size_t signAt = displayText.find(u'-');
    const bool negative = signAt != std::u16string_view::npos;
    const char16_t signReplacement = m_mask.hasParentheses() ? u'(' : kBlank;

    std::u16string shown;
    std::size_t next = 0;
    for (std::size_t i = 0; i < m_mask.text().size(); ++i) {
        if (i == m_mask.parenthesisPlace()) {
            shown += negative ? u')' : kBlank;
        } else if (i == m_mask.signPlace()) {
            shown += negative ? u'-' : kBlank;
        } else if (next < displayText.size()) {
            shown += negative && next == signAt ? signReplacement : displayText[next];
            ++next;
        }
    }
    shown += displayText.substr(std::min(next, displayText.size()));
    return std::u16string(trimBlanks(shown));
}

std::u16string MaskLayout::strip(std::u16string_view displayText) const {
    if (displayText.size() != m_mask.displayLength() || isOverflowText(displayText))
        return std::u16string(displayText);
    const std::optional<std::size_t> point = m_mask.decimalPoint();
    std::u16string kept;
    kept.reserve(displayText.size());
    for (std::size_t i = 0; i < displayText.size(); ++i) {
        if (m_mask.positionClass(i) != MaskPositionClass::Literal || i == point)
            kept += displayText[i];
    }
    if (!m_currency.empty()) {
        if (const std::size_t at = kept.find(m_currency); at != std::u16string::npos)
            kept.erase(at, m_currency.size());
    }
    if (m_mask.hasGrouping())
        std::erase(kept, m_intl->GroupMark());
    if (point) {
        if (const std::size_t at = kept.find(m_intl->DecimalMark()); at != std::u16string::npos)
            kept[at] = u'.';
    }
    return kept;
}

} // namespace paysmith
