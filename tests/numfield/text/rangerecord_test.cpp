#include "numfield/text/rangerecord.h"

#include "numfield/text/extendedbits.h"
#include "numfield/text/fieldexceptions.h"
#include "numfield/text/validation.h"

#include "expectmessage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

namespace paysmith {
namespace {

using Bytes = std::array<std::uint8_t, 10>;

constexpr long double kInfinity = std::numeric_limits<long double>::infinity();

struct EncodingCase {
    const char* name;
    TNumericDataType type;
    long double value;
    Bytes bytes;
};

class RangeRecordEncoding : public testing::TestWithParam<EncodingCase> {};

TEST_P(RangeRecordEncoding, HasTheStoredBytesAndReadsBack) {
    const EncodingCase& c = GetParam();
    const TRangeRecord record = rangeRecordOf(c.type, c.value);
    EXPECT_EQ(record.bytes, c.bytes);
    EXPECT_EQ(rangeRecordValue(c.type, record), c.value);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Records, RangeRecordEncoding,
    testing::Values(EncodingCase{"integer_high",
                                 TNumericDataType::nftInteger,
                                 32767,
                                 {0xff, 0x7f, 0, 0, 0, 0, 0, 0, 0, 0}},
                    EncodingCase{"integer_low_sign_extended", TNumericDataType::nftInteger, -32768, {0x00, 0x80, 0xff, 0xff, 0, 0, 0, 0, 0, 0}},
                    EncodingCase{"double_as_extended", TNumericDataType::nftDouble, -2.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xc0}},
                    EncodingCase{"real_as_double", TNumericDataType::nftReal, 1.0L, {0, 0, 0, 0, 0, 0, 0xf0, 0x3f, 0, 0}},
                    EncodingCase{"single_as_extended", TNumericDataType::nftSingle, 1.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xff, 0x3f}},
                    EncodingCase{"extended_smallest_denormal", TNumericDataType::nftExtended, 0x1p-16445L, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
                    EncodingCase{"extended_smallest_normal", TNumericDataType::nftExtended, 0x1p-16382L, {0, 0, 0, 0, 0, 0, 0, 0x80, 1, 0}},
                    EncodingCase{"extended_largest", TNumericDataType::nftExtended, -0x1.fffffffffffffffep16383L, {0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xfe, 0xff}},
                    EncodingCase{"extended_infinity", TNumericDataType::nftExtended, kInfinity, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xff, 0x7f}}),
    [](const testing::TestParamInfo<EncodingCase>& info) { return info.param.name; });
// clang-format on

// A long double wider than the extended (binary128 on arm64) is rounded to
// the 64-bit significand as the x87 unit rounds; where long double is the
// extended, the literals round the same way at compile time.
TEST(RangeRecord, WiderValuesRoundToNearestEvenSignificand) {
    const TNumericDataType type = TNumericDataType::nftExtended;
    EXPECT_EQ(rangeRecordOf(type, 1.0L + 0x1p-64L).bytes,
              (Bytes{0, 0, 0, 0, 0, 0, 0, 0x80, 0xff, 0x3f}));
    EXPECT_EQ(rangeRecordOf(type, 1.0L + 0x3p-65L).bytes,
              (Bytes{1, 0, 0, 0, 0, 0, 0, 0x80, 0xff, 0x3f}));
    EXPECT_EQ(rangeRecordOf(type, 0x1.ffffffffffffffffp0L).bytes,
              (Bytes{0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0x40}));
}

// Where long double is the x87 extended, a record is the value's own bytes,
// so records written by earlier versions read back unchanged.
TEST(RangeRecord, ExtendedRecordsAreTheX87Bytes) {
    if (std::numeric_limits<long double>::digits != 64)
        GTEST_SKIP() << "long double is not the x87 extended here";
    for (const long double value :
         {0.0L, -0.0L, 1.0L / 3.0L, -3.14159265358979323846L, 1e-4940L, 0x1p-16400L, 1.1E4932L,
          -kInfinity, std::numeric_limits<long double>::quiet_NaN()}) {
        Bytes memory{};
        std::memcpy(memory.data(), &value, memory.size());
        const TRangeRecord record = rangeRecordOf(TNumericDataType::nftExtended, value);
        EXPECT_EQ(record.bytes, memory) << static_cast<double>(value);
        const long double back = rangeRecordValue(TNumericDataType::nftExtended, record);
        EXPECT_EQ(std::memcmp(&back, memory.data(), memory.size()), 0)
            << static_cast<double>(value);
    }
}

TEST(RangeRecord, DefaultsHaveTheStoredBytes) {
    EXPECT_EQ(defaultRangeHi(TNumericDataType::nftInteger).bytes,
              (Bytes{0xff, 0x7f, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(defaultRangeLo(TNumericDataType::nftInteger).bytes,
              (Bytes{0x00, 0x80, 0xff, 0xff, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(defaultRangeHi(TNumericDataType::nftDouble).bytes,
              (Bytes{0x73, 0xb2, 0xdb, 0xb9, 0x83, 0x89, 0x16, 0xf2, 0xfe, 0x43}));
    EXPECT_EQ(defaultRangeLo(TNumericDataType::nftDouble).bytes,
              (Bytes{0x73, 0xb2, 0xdb, 0xb9, 0x83, 0x89, 0x16, 0xf2, 0xfe, 0xc3}));
    EXPECT_EQ(
        rangeRecordValue(TNumericDataType::nftReal, defaultRangeHi(TNumericDataType::nftReal)),
        static_cast<long double>(1.7E38));
}

struct LimitTextCase {
    const char* name;
    TNumericDataType type;
    std::u16string text;
    const char* message; // nullptr when the limit is taken
    long double taken;
};

class RangeLimitFromText : public testing::TestWithParam<LimitTextCase> {};

TEST_P(RangeLimitFromText, TakesOrRefusesWithTheTypeLimits) {
    const LimitTextCase& c = GetParam();
    if (c.message == nullptr) {
        // The record holds the limit as the extended format can, which is
        // less than a wider long double carries.
        const ExtendedBits held = extendedBitsOf(c.taken);
        EXPECT_EQ(rangeRecordValue(c.type, rangeLimitFromText(c.type, c.text)),
                  valueOfExtendedBits(held));
        return;
    }
    testing_messages::expectThrowWithMessage<EInvalidRangeValue>(
        [&] { rangeLimitFromText(c.type, c.text); }, c.message);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Limits, RangeLimitFromText, testing::Values(
    LimitTextCase{"integer_taken", TNumericDataType::nftInteger, u"-100", nullptr, -100},
    LimitTextCase{"integer_above_type", TNumericDataType::nftInteger, u"40000", "Invalid range. Enter a value between (-32768) and (32767)", 0},
    LimitTextCase{"integer_not_a_number", TNumericDataType::nftInteger, u"12a", "Invalid range. Enter a value between (-32768) and (32767)", 0},
    LimitTextCase{"word_below_zero", TNumericDataType::nftWord, u"-1", "Invalid range. Enter a value between (0) and (65535)", 0},
    LimitTextCase{"byte_above", TNumericDataType::nftByte, u"256", "Invalid range. Enter a value between (0) and (255)", 0},
    LimitTextCase{"shortint_below", TNumericDataType::nftShortInt, u"-129", "Invalid range. Enter a value between (-128) and (127)", 0},
    LimitTextCase{"longint_beyond_32_bits", TNumericDataType::nftLongInt, u"2147483648", "Invalid range. Enter a value between (-2147483648) and (2147483647)", 0},
    LimitTextCase{"longint_lowest_taken", TNumericDataType::nftLongInt, u"-2147483648", nullptr, -2147483648.0L},
    LimitTextCase{"double_taken", TNumericDataType::nftDouble, u"1.5E10", nullptr, 1.5E10L},
    LimitTextCase{"double_above_type", TNumericDataType::nftDouble, u"1.8E308", "Invalid range. Enter a value between (-1.7e+308) and (+1.7e+308)", 0},
    LimitTextCase{"double_not_a_number", TNumericDataType::nftDouble, u"1,5", "Invalid range. Enter a value between (-1.7e+308) and (+1.7e+308)", 0},
    LimitTextCase{"single_above_type", TNumericDataType::nftSingle, u"-3.5E38", "Invalid range. Enter a value between (-3.4e+38) and (+3.4e+38)", 0},
    LimitTextCase{"comp_above_type", TNumericDataType::nftComp, u"9.3E18", "Invalid range. Enter a value between (-9.2e+18) and (+9.2e+18)", 0},
    LimitTextCase{"real_unchecked", TNumericDataType::nftReal, u"1E39", nullptr, static_cast<long double>(1E39)},
    LimitTextCase{"real_not_a_number", TNumericDataType::nftReal, u"x", "Invalid range. Enter a value between (-1.7e+38) and (+1.7e+38)", 0},
    LimitTextCase{"extended_unchecked", TNumericDataType::nftExtended, u"1E4000", nullptr, 1E4000L},
    LimitTextCase{"extended_beyond_format", TNumericDataType::nftExtended, u"1E5000", "Invalid range. Enter a value between (-1.1e+4932) and (+1.1e+4932)", 0}),
    [](const testing::TestParamInfo<LimitTextCase>& info) { return info.param.name; });
// clang-format on

struct RangeCase {
    const char* name;
    TNumericDataType type;
    long double low;
    long double high;
    long double value;
    int code;
};

class CheckRange : public testing::TestWithParam<RangeCase> {};

TEST_P(CheckRange, AcceptsTheLimitsAndRefusesBeyond) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(
        checkRange(c.type, c.value, rangeRecordOf(c.type, c.low), rangeRecordOf(c.type, c.high)),
        c.code);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ranges, CheckRange, testing::Values(
    RangeCase{"integer_high_limit", TNumericDataType::nftInteger, -32768, 32767, 32767, 0},
    RangeCase{"integer_above", TNumericDataType::nftInteger, -32768, 32767, 40000, ErrRange},
    RangeCase{"integer_below", TNumericDataType::nftInteger, -32768, 32767, -32769, ErrRange},
    RangeCase{"double_inside", TNumericDataType::nftDouble, -1, 1, 0.5L, 0},
    RangeCase{"double_infinite", TNumericDataType::nftDouble, -1.7E308L, 1.7E308L, std::numeric_limits<long double>::infinity(), ErrRange},
    RangeCase{"real_compares_as_double", TNumericDataType::nftReal, 0, 0.1L, 0.1, 0}),
    [](const testing::TestParamInfo<RangeCase>& info) { return info.param.name; });
// clang-format on

} // namespace
} // namespace paysmith
