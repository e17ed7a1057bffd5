#include "loan/core/termtext.h"

#include "base/text/digits.h"

#include <cassert>
#include <cstdlib>

namespace paysmith {

std::int64_t termHundredths(std::int32_t payments, std::int32_t periodsPerYear) {
    assert(periodsPerYear >= 1);
    // Integer arithmetic rounds the exact quotient: 27 / 360 is 0.075 and
    // gives 0.08, which the nearest double (0.07499…) would not.
    const std::int64_t magnitude = std::llabs(static_cast<std::int64_t>(payments));
    const std::int64_t hundredths = (magnitude * 200 + periodsPerYear) / (2LL * periodsPerYear);
    return payments < 0 ? -hundredths : hundredths;
}

std::u16string termText(std::int32_t payments, std::int32_t periodsPerYear,
                        char16_t decimalSeparator) {
    const std::int64_t hundredths = std::llabs(termHundredths(payments, periodsPerYear));

    std::u16string text;
    if (payments < 0 && hundredths != 0)
        text += u'-';
    text += decimalDigits(static_cast<std::uint64_t>(hundredths / 100));
    text += decimalSeparator;
    const std::int64_t cents = hundredths % 100;
    text += static_cast<char16_t>(u'0' + cents / 10);
    text += static_cast<char16_t>(u'0' + cents % 10);

    const bool one = text == u"1.00" || text == u"1,00";
    text += one ? kTermYear : kTermYears;
    return text;
}

} // namespace paysmith
