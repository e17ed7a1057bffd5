#include "numfield/text/datatype.h"

#include "numfield/text/fieldexceptions.h"

#include <array>
#include <cmath>
#include <limits>

namespace paysmith {

namespace {

struct DataTypeTraits {
    bool integer;
    std::u16string_view mask;
    long double low;
    long double high;
};

// The double types' limit is 1.7E308 as an extended with its 64-bit mantissa
// cut, not rounded: f2168983b9dbb273, where rounding to nearest would end in
// 74. Range records carry these bits, so the limit must match them exactly.
constexpr long double kDoubleLimit = 0x1.e42d130773b764e6p1023L;

constexpr std::array<DataTypeTraits, 10> kTraits{{
    {true, u"iiiiiiiiiii", -2147483648.0L, 2147483647.0L},
    {true, u"99999", 0.0L, 65535.0L},
    {true, u"iiiiii", -32768.0L, 32767.0L},
    {true, u"999", 0.0L, 255.0L},
    {true, u"iiii", -128.0L, 127.0L},
    {false, u"##########", -1.7E38L, 1.7E38L},
    {false, u"##########", -1.1E4932L, 1.1E4932L},
    {false, u"##########", -kDoubleLimit, kDoubleLimit},
    {false, u"##########", -3.4E38L, 3.4E38L},
    {false, u"iiiiiiiiii", -9.2E18L, 9.2E18L},
}};

const DataTypeTraits& traitsOf(TNumericDataType type) {
    const auto index = static_cast<std::size_t>(type);
    if (index >= kTraits.size())
        throwUnknownDataType();
    return kTraits[index];
}

// Converting a value beyond a floating type's range is undefined in C++, so
// the overflow to an infinity is spelled out. The threshold lies half a unit
// in the last place above the largest finite value, where rounding to nearest
// would overflow.
template <typename Narrow> long double narrowed(long double value, long double overflowThreshold) {
    if (std::fabs(value) >= overflowThreshold) {
        constexpr long double infinity = std::numeric_limits<long double>::infinity();
        return std::signbit(value) ? -infinity : infinity;
    }
    return static_cast<Narrow>(value);
}

constexpr long double kDoubleOverflow = 0x1.fffffffffffff8p1023L;
constexpr long double kSingleOverflow = 0x1.ffffffp127L;

} // namespace

bool isIntegerType(TNumericDataType type) {
    return traitsOf(type).integer;
}

std::u16string_view defaultPictureMask(TNumericDataType type) {
    return traitsOf(type).mask;
}

long double defaultRangeLow(TNumericDataType type) {
    return traitsOf(type).low;
}

long double defaultRangeHigh(TNumericDataType type) {
    return traitsOf(type).high;
}

long double narrowToDataType(TNumericDataType type, long double value) {
    traitsOf(type);
    switch (type) {
    case TNumericDataType::nftReal:
    case TNumericDataType::nftDouble:
        return narrowed<double>(value, kDoubleOverflow);
    case TNumericDataType::nftSingle:
        return narrowed<float>(value, kSingleOverflow);
    case TNumericDataType::nftComp:
        return std::nearbyint(value);
    default:
        return value;
    }
}

} // namespace paysmith
