#include "numfield/text/intlsupport.h"

#include <algorithm>

namespace paysmith {

namespace {

constexpr char16_t kDefaultDecimalMark = u'.';
constexpr char16_t kDefaultGroupMark = u',';
constexpr std::size_t kCurrencyLength = 5;
constexpr std::int32_t kPrefixThenBlank = 2;
constexpr std::int32_t kBlankThenSuffix = 3;

bool isSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// A mark fills one display position, so only its first character counts; half
// of a surrogate pair is no character and counts as empty.
char16_t markOf(const std::u16string& text, char16_t fallback) {
    if (text.empty() || isSurrogate(text.front()))
        return fallback;
    return text.front();
}

std::u16string currencyOf(const std::u16string& text) {
    std::size_t length = std::min(text.size(), kCurrencyLength);
    if (length < text.size() && isLowSurrogate(text[length]))
        --length;
    return text.substr(0, length);
}

} // namespace

TIntlSupport::TIntlSupport() : TIntlSupport(IntlSettings{}) {}

TIntlSupport::TIntlSupport(const IntlSettings& settings)
    : m_decimalMark(markOf(settings.decimalMark, kDefaultDecimalMark)),
      m_groupMark(markOf(settings.groupMark, kDefaultGroupMark)),
      m_currencyPlaces(settings.currencyPlaces),
      m_currencyPrefix(currencyOf(settings.currencyText)), m_currencySuffix(m_currencyPrefix) {
    // With one mark for both a text could not be read back.
    if (m_groupMark == m_decimalMark) {
        m_decimalMark = kDefaultDecimalMark;
        m_groupMark = kDefaultGroupMark;
    }
    if (settings.currencyPosition == kPrefixThenBlank)
        m_currencyPrefix += u' ';
    if (settings.currencyPosition == kBlankThenSuffix)
        m_currencySuffix.insert(m_currencySuffix.begin(), u' ');
}

} // namespace paysmith
