#include "numfield/text/rangerecord.h"

#include "numfield/text/extendedbits.h"
#include "numfield/text/fieldexceptions.h"
#include "numfield/text/numberparse.h"
#include "numfield/text/validation.h"

#include <bit>
#include <cstring>
#include <limits>
#include <string>

namespace paysmith {

namespace {

enum class RecordForm { Integer, Double, Extended };

RecordForm formOf(TNumericDataType type) {
    if (isIntegerType(type))
        return RecordForm::Integer;
    return type == TNumericDataType::nftReal ? RecordForm::Double : RecordForm::Extended;
}

// The integer and double forms are the little-endian bytes of the value.
static_assert(std::endian::native == std::endian::little,
              "the integer and double records are copied from memory");

template <typename T> TRangeRecord recordHolding(T value) {
    static_assert(sizeof(T) <= 8);
    TRangeRecord record;
    std::memcpy(record.bytes.data(), &value, sizeof(T));
    return record;
}

template <typename T> T heldBy(const TRangeRecord& record) {
    T value{};
    std::memcpy(&value, record.bytes.data(), sizeof(T));
    return value;
}

// The extended form: the significand's eight bytes, then the exponent with
// the sign in its top bit, each little-endian.
TRangeRecord extendedRecordOf(long double value) {
    const ExtendedBits bits = extendedBitsOf(value);
    TRangeRecord record;
    for (std::size_t i = 0; i < 8; ++i)
        record.bytes[i] = static_cast<std::uint8_t>(bits.significand >> (8 * i));
    const unsigned top = bits.biasedExponent | (bits.negative ? 0x8000u : 0u);
    record.bytes[8] = static_cast<std::uint8_t>(top & 0xFF);
    record.bytes[9] = static_cast<std::uint8_t>(top >> 8);
    return record;
}

long double extendedHeldBy(const TRangeRecord& record) {
    ExtendedBits bits;
    for (std::size_t i = 0; i < 8; ++i)
        bits.significand |= std::uint64_t{record.bytes[i]} << (8 * i);
    const unsigned top = record.bytes[8] | (unsigned{record.bytes[9]} << 8);
    bits.negative = (top & 0x8000u) != 0;
    bits.biasedExponent = static_cast<std::uint16_t>(top & 0x7FFFu);
    return valueOfExtendedBits(bits);
}

// The floating types state their own range in fixed texts; the integer types
// name their limits.
std::string limitsMessage(TNumericDataType type) {
    const std::string prefix = "Invalid range. Enter a value between ";
    switch (type) {
    case TNumericDataType::nftReal:
        return prefix + "(-1.7e+38) and (+1.7e+38)";
    case TNumericDataType::nftExtended:
        return prefix + "(-1.1e+4932) and (+1.1e+4932)";
    case TNumericDataType::nftDouble:
        return prefix + "(-1.7e+308) and (+1.7e+308)";
    case TNumericDataType::nftSingle:
        return prefix + "(-3.4e+38) and (+3.4e+38)";
    case TNumericDataType::nftComp:
        return prefix + "(-9.2e+18) and (+9.2e+18)";
    default:
        return prefix + "(" + std::to_string(static_cast<std::int64_t>(defaultRangeLow(type))) +
               ") and (" + std::to_string(static_cast<std::int64_t>(defaultRangeHigh(type))) + ")";
    }
}

bool limitIsRangeChecked(TNumericDataType type) {
    return type != TNumericDataType::nftReal && type != TNumericDataType::nftExtended;
}

std::optional<long double> limitValueOf(TNumericDataType type, std::u16string_view text) {
    text = trimBlanks(text);
    if (isIntegerType(type)) {
        const std::optional<std::int32_t> integer = parseInteger(text, 10);
        if (!integer)
            return std::nullopt;
        return *integer;
    }
    return parseDecimalNumber(text);
}

} // namespace

TRangeRecord rangeRecordOf(TNumericDataType type, long double value) {
    switch (formOf(type)) {
    case RecordForm::Integer:
        return recordHolding(static_cast<std::int32_t>(value));
    case RecordForm::Double:
        return recordHolding(static_cast<double>(value));
    case RecordForm::Extended:
        break;
    }
    return extendedRecordOf(value);
}

long double rangeRecordValue(TNumericDataType type, const TRangeRecord& record) {
    switch (formOf(type)) {
    case RecordForm::Integer:
        return heldBy<std::int32_t>(record);
    case RecordForm::Double:
        return heldBy<double>(record);
    case RecordForm::Extended:
        break;
    }
    return extendedHeldBy(record);
}

TRangeRecord defaultRangeLo(TNumericDataType type) {
    return rangeRecordOf(type, defaultRangeLow(type));
}

TRangeRecord defaultRangeHi(TNumericDataType type) {
    return rangeRecordOf(type, defaultRangeHigh(type));
}

TRangeRecord rangeLimitFromText(TNumericDataType type, std::u16string_view text) {
    const std::optional<long double> value = limitValueOf(type, text);
    const bool outsideType = value && limitIsRangeChecked(type) &&
                             (*value < defaultRangeLow(type) || *value > defaultRangeHigh(type));
    if (!value || outsideType)
        throw EInvalidRangeValue(limitsMessage(type));
    return rangeRecordOf(type, *value);
}

int checkRange(TNumericDataType type, long double value, const TRangeRecord& lo,
               const TRangeRecord& hi) {
    if (value < rangeRecordValue(type, lo) || value > rangeRecordValue(type, hi))
        return ErrRange;
    return 0;
}

} // namespace paysmith
