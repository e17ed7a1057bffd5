#include "numfield/text/datatype.h"

#include "numfield/text/extendedbits.h"
#include "numfield/text/fieldexceptions.h"

#include "expectmessage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace paysmith {
namespace {

// 1.7E308 cut to the extended's 64-bit significand: one unit in the last
// place below rounding it.
long double doubleLimitCut() {
    ExtendedBits bits = extendedBitsOf(1.7E308L);
    --bits.significand;
    return valueOfExtendedBits(bits);
}

struct TypeCase {
    const char* name;
    TNumericDataType type;
    bool integer;
    std::u16string mask;
    long double low;
    long double high;
};

class DataTypeDefaults : public testing::TestWithParam<TypeCase> {};

TEST_P(DataTypeDefaults, GiveMaskRangeAndKind) {
    const TypeCase& c = GetParam();
    EXPECT_EQ(isIntegerType(c.type), c.integer);
    EXPECT_EQ(defaultPictureMask(c.type), c.mask);
    EXPECT_EQ(defaultRangeLow(c.type), c.low);
    EXPECT_EQ(defaultRangeHigh(c.type), c.high);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Types, DataTypeDefaults,
    testing::Values(
        TypeCase{"longint", TNumericDataType::nftLongInt, true, u"iiiiiiiiiii", -2147483648.0L, 2147483647.0L},
        TypeCase{"word", TNumericDataType::nftWord, true, u"99999", 0.0L, 65535.0L},
        TypeCase{"integer", TNumericDataType::nftInteger, true, u"iiiiii", -32768.0L, 32767.0L},
        TypeCase{"byte", TNumericDataType::nftByte, true, u"999", 0.0L, 255.0L},
        TypeCase{"shortint", TNumericDataType::nftShortInt, true, u"iiii", -128.0L, 127.0L},
        TypeCase{"real", TNumericDataType::nftReal, false, u"##########", -1.7E38L, 1.7E38L},
        TypeCase{"extended", TNumericDataType::nftExtended, false, u"##########", -1.1E4932L, 1.1E4932L},
        TypeCase{"double", TNumericDataType::nftDouble, false, u"##########", -doubleLimitCut(), doubleLimitCut()},
        TypeCase{"single", TNumericDataType::nftSingle, false, u"##########", -3.4E38L, 3.4E38L},
        TypeCase{"comp", TNumericDataType::nftComp, false, u"iiiiiiiiii", -9.2E18L, 9.2E18L}),
    [](const testing::TestParamInfo<TypeCase>& info) { return info.param.name; });
// clang-format on

TEST(DataType, OrderIsThatOfTheStoredForms) {
    EXPECT_EQ(static_cast<int>(TNumericDataType::nftLongInt), 0);
    EXPECT_EQ(static_cast<int>(TNumericDataType::nftReal), 5);
    EXPECT_EQ(static_cast<int>(TNumericDataType::nftComp), 9);
}

TEST(DataType, UnknownTypeIsAParameterError) {
    const auto unknown = static_cast<TNumericDataType>(10);
    testing_messages::expectThrowWithMessage<EFieldException>([&] { defaultPictureMask(unknown); },
                                                              "Parameter value is invalid");
    EXPECT_THROW(isIntegerType(unknown), EFieldException);
    EXPECT_THROW(narrowToDataType(unknown, 1.0L), EFieldException);
}

struct NarrowCase {
    const char* name;
    TNumericDataType type;
    long double value;
    long double expected;
};

class NarrowToDataType : public testing::TestWithParam<NarrowCase> {};

TEST_P(NarrowToDataType, HoldsTheValueAsTheTypeDoes) {
    const NarrowCase& c = GetParam();
    EXPECT_EQ(narrowToDataType(c.type, c.value), c.expected);
}

constexpr long double kInfinity = std::numeric_limits<long double>::infinity();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, NarrowToDataType, testing::Values(
    NarrowCase{"double_rounds_extended", TNumericDataType::nftDouble, 0.1L, 0.1},
    NarrowCase{"real_is_a_double", TNumericDataType::nftReal, 0.1L, 0.1},
    NarrowCase{"single_rounds", TNumericDataType::nftSingle, 0.1L, 0.1f},
    NarrowCase{"extended_unchanged", TNumericDataType::nftExtended, 0.1L, 0.1L},
    NarrowCase{"comp_rounds_to_integer", TNumericDataType::nftComp, 2.6L, 3.0L},
    NarrowCase{"comp_half_to_even", TNumericDataType::nftComp, 2.5L, 2.0L},
    NarrowCase{"single_beyond_range_is_infinite", TNumericDataType::nftSingle, 1e39L, kInfinity},
    NarrowCase{"double_beyond_range_is_infinite", TNumericDataType::nftDouble, -1e309L, -kInfinity},
    NarrowCase{"double_just_above_max_rounds_down", TNumericDataType::nftDouble, 0x1.fffffffffffff7p1023L, std::numeric_limits<double>::max()}),
    [](const testing::TestParamInfo<NarrowCase>& info) { return info.param.name; });
// clang-format on

} // namespace
} // namespace paysmith
