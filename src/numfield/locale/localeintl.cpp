#include "numfield/locale/localeintl.h"

#include "base/qt/qtstrings.h"

namespace paysmith {

namespace {

// QLocale names no currency position or currency decimals, so both are read
// off the locale's own currency text for zero.
struct CurrencyLayout {
    std::int32_t places = 0;
    std::int32_t position = 0;
};

CurrencyLayout currencyLayoutOf(const QLocale& locale, const QString& symbol) {
    constexpr std::int32_t kPrefix = 0;
    constexpr std::int32_t kSuffix = 1;
    constexpr std::int32_t kBlankApart = 2;

    const QString zero = locale.toCurrencyString(0.0, symbol);
    CurrencyLayout layout;
    if (const qsizetype point = zero.indexOf(locale.decimalPoint()); point >= 0) {
        for (qsizetype i = point + 1; i < zero.size() && zero.at(i).isDigit(); ++i)
            ++layout.places;
    }
    const qsizetype at = symbol.isEmpty() ? -1 : zero.indexOf(symbol);
    if (at < 0)
        return layout;
    const bool prefix = at == 0;
    const qsizetype besideNumber = prefix ? at + symbol.size() : at - 1;
    const bool blankApart =
        besideNumber >= 0 && besideNumber < zero.size() && zero.at(besideNumber).isSpace();
    layout.position = (prefix ? kPrefix : kSuffix) + (blankApart ? kBlankApart : 0);
    return layout;
}

} // namespace

IntlSettings intlSettingsOf(const QLocale& locale) {
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    const CurrencyLayout currency = currencyLayoutOf(locale, symbol);
    IntlSettings settings;
    settings.decimalMark = toU16String(locale.decimalPoint());
    settings.groupMark = toU16String(locale.groupSeparator());
    settings.currencyText = toU16String(symbol);
    settings.currencyPlaces = currency.places;
    settings.currencyPosition = currency.position;
    return settings;
}

IntlSettings systemIntlSettings() {
    return intlSettingsOf(QLocale::system());
}

} // namespace paysmith
