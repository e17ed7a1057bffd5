#pragma once

#include "numfield/text/intlsupport.h"

#include <QLocale>

namespace paysmith {

// The number-format values of a locale: its decimal point, group separator,
// currency symbol, currency decimals and where the symbol stands.
IntlSettings intlSettingsOf(const QLocale& locale);

// Read once at program start into the one shared TIntlSupport.
IntlSettings systemIntlSettings();

} // namespace paysmith
