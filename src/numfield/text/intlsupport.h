#pragma once

#include <cstdint>
#include <string>

namespace paysmith {

// The number-format values as the system reports them, before the rules of
// TIntlSupport are applied. Each member starts at the system default.
struct IntlSettings {
    std::u16string decimalMark = u".";
    std::u16string groupMark = u",";
    std::u16string currencyText = u"$";
    std::int32_t currencyPlaces = 2;
    // 0 prefix, 1 suffix, 2 prefix and a blank, 3 a blank and suffix.
    std::int32_t currencyPosition = 0;
};

// The number-format settings every numeric field shares. The program makes
// one at start and never refreshes it; tests make their own.
class TIntlSupport {
  public:
    TIntlSupport();
    explicit TIntlSupport(const IntlSettings& settings);

    char16_t DecimalMark() const { return m_decimalMark; }
    char16_t GroupMark() const { return m_groupMark; }
    std::int32_t CurrencyPlaces() const { return m_currencyPlaces; }
    const std::u16string& CurrencyPrefix() const { return m_currencyPrefix; }
    const std::u16string& CurrencySuffix() const { return m_currencySuffix; }

  private:
    char16_t m_decimalMark;
    char16_t m_groupMark;
    std::int32_t m_currencyPlaces;
    std::u16string m_currencyPrefix;
    std::u16string m_currencySuffix;
};

} // namespace paysmith
