#include "numfield/model/entrystring.h"

namespace paysmith {

void EntryString::clear() {
    m_text.clear();
    m_sign = Sign::Positive;
}

int EntryString::integerWidth() const {
    const std::size_t point = m_text.find(u'.');
    const std::size_t digits = point == std::u16string::npos ? m_text.size() : point;
    return static_cast<int>(digits) + signWidth();
}

int EntryString::decimals() const {
    const std::size_t point = m_text.find(u'.');
    return point == std::u16string::npos ? 0 : static_cast<int>(m_text.size() - point - 1);
}

KeyOutcome EntryString::offer(char16_t c, const EntryLimits& limits) {
    if (c == u'-')
        return offerSign(limits);
    if (c == u' ')
        return KeyOutcome::Refused;
    if (c == u'.' && (!limits.maskHasPoint || hasPoint()))
        return KeyOutcome::Refused;
    return offerDigitOrPoint(c, limits);
}

KeyOutcome EntryString::offerSign(const EntryLimits& limits) {
    if (m_sign == Sign::Negative) {
        m_sign = Sign::Positive;
        return KeyOutcome::Added;
    }
    if (integerWidth() >= limits.integerDigits ||
        static_cast<int>(m_text.size()) >= limits.digitWidth)
        return KeyOutcome::Refused;
    m_sign = Sign::Negative;
    return KeyOutcome::Added;
}

KeyOutcome EntryString::offerDigitOrPoint(char16_t c, const EntryLimits& limits) {
    if (static_cast<int>(m_text.size()) + signWidth() >= limits.digitWidth) {
        // A one-digit field takes each new digit in place of the old one.
        if (limits.digitWidth != 1 || c == u'.')
            return KeyOutcome::Refused;
        m_text.assign(1, c);
        return KeyOutcome::Added;
    }
    if (c == u'0' && m_text.empty())
        return KeyOutcome::Swallowed;
    if (c != u'.' && limits.maskHasPoint && !hasPoint() && integerWidth() >= limits.integerDigits)
        return KeyOutcome::Refused;
    if (c != u'.' && hasPoint() && limits.decimalPlaces && decimals() >= *limits.decimalPlaces)
        return KeyOutcome::Refused;
    m_text.push_back(c);
    return KeyOutcome::Added;
}

bool EntryString::removeLast() {
    if (m_text.empty()) {
        if (m_sign == Sign::Positive)
            return false;
        m_sign = Sign::Positive;
        return true;
    }
    m_text.pop_back();
    if (m_text == u"0")
        m_text.clear();
    return true;
}

void EntryString::load(std::u16string_view stripped) {
    clear();
    for (char16_t c : stripped)
        if (c != u' ')
            m_text.push_back(c);
    if (!m_text.empty() && m_text.front() == u'-') {
        m_text.erase(0, 1);
        m_sign = Sign::Negative;
    }
    if (m_text == u"0")
        m_text.clear();
}

} // namespace paysmith
