#pragma once

#include <cstdint>
#include <string_view>

namespace paysmith {

// The values number the data types as the field's DataType property does;
// do not reorder.
enum class TNumericDataType : std::uint8_t {
    nftLongInt,  // 32-bit signed
    nftWord,     // 16-bit unsigned
    nftInteger,  // 16-bit signed
    nftByte,     // 8-bit unsigned
    nftShortInt, // 8-bit signed
    nftReal,     // held as a double
    nftExtended, // 80-bit extended
    nftDouble,
    nftSingle,
    nftComp, // 64-bit signed integer handled as a floating-point value
};

// Every function below throws EFieldException for a value outside the enum.
bool isIntegerType(TNumericDataType type);
std::u16string_view defaultPictureMask(TNumericDataType type);
long double defaultRangeLow(TNumericDataType type);
long double defaultRangeHigh(TNumericDataType type);

// A value as the data type holds it: single and double narrowed (beyond their
// range to an infinity), comp rounded to the nearest integer.
long double narrowToDataType(TNumericDataType type, long double value);

} // namespace paysmith
