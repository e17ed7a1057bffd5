#pragma once

#include "numfield/text/datatype.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace paysmith {

// One range limit as the field's RangeLow and RangeHigh properties carry it: exactly
// 10 bytes. Integer types hold a little-endian 32-bit integer and zeros,
// nftReal a double and two zeros, the other floating types an 80-bit extended.
struct TRangeRecord {
    std::array<std::uint8_t, 10> bytes{};

    friend bool operator==(const TRangeRecord&, const TRangeRecord&) = default;
};

// Encodes a limit in the data type's record form. For integer types the value
// must be a whole number within 32 bits.
TRangeRecord rangeRecordOf(TNumericDataType type, long double value);
long double rangeRecordValue(TNumericDataType type, const TRangeRecord& record);

TRangeRecord defaultRangeLo(TNumericDataType type);
TRangeRecord defaultRangeHi(TNumericDataType type);

// A limit typed as text (a point for decimals). Throws EInvalidRangeValue,
// naming the type's own limits, when the text is not a number of the type or
// lies outside the type's range; nftReal and nftExtended are not range-checked.
TRangeRecord rangeLimitFromText(TNumericDataType type, std::u16string_view text);

// 0 when `value`, already narrowed to the type, lies within lo..hi, else ErrRange.
int checkRange(TNumericDataType type, long double value, const TRangeRecord& lo,
               const TRangeRecord& hi);

} // namespace paysmith
