#pragma once

#include "numfield/text/numerictext.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace paysmith::fuzzing {

inline const std::array<TIntlSupport, 5> kConventions{
    TIntlSupport(IntlSettings{u".", u",", u"$", 2, 0}),
    TIntlSupport(IntlSettings{u",", u".", u"€", 2, 3}),
    TIntlSupport(IntlSettings{u",", u"\u00A0", u"kr", 2, 2}),
    TIntlSupport(IntlSettings{u",", u"\u202F", u"€", 2, 3}),
    TIntlSupport(IntlSettings{u".", u"\u2019", u"CHF", 2, 2}),
};

// The loan panels' three fields, plus masks of the other characters that
// change the layout (currency, sign places, literals).
inline const std::array<std::u16string, 7> kMasks{u"###,###,###.##", u"###.####",      u"iiiiii",
                                                  u"$$$$###,###.##", u"cc#,###.##CCC", u"###.##pg",
                                                  u"KKKKKKKK"};

inline TNumericDataType dataTypeOfMask(std::size_t maskIndex) {
    if (maskIndex == 2)
        return TNumericDataType::nftInteger;
    if (maskIndex == 6)
        return TNumericDataType::nftLongInt;
    return TNumericDataType::nftDouble;
}

inline NumericText fieldFor(std::uint8_t selector) {
    const std::size_t maskIndex = selector % kMasks.size();
    const TIntlSupport& intl = kConventions[(selector / kMasks.size()) % kConventions.size()];
    const TNumericDataType type = dataTypeOfMask(maskIndex);
    return NumericText(intl, type, PictureMask(kMasks[maskIndex]), defaultRangeLo(type),
                       defaultRangeHi(type));
}

// Consecutive byte pairs as UTF-16 code units, lone surrogates included.
inline std::u16string utf16Of(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    return text;
}

} // namespace paysmith::fuzzing
