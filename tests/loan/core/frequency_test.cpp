#include "loan/core/frequency.h"

#include <gtest/gtest.h>

#include <string>

namespace paysmith {
namespace {

struct CaptionCase {
    const char* name;
    std::u16string caption;
    std::optional<std::int32_t> anyIndex;
    std::optional<std::int32_t> listIndex;
};

class CaptionToIndex : public testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionToIndex, MatchesWholeCaptionExactly) {
    const CaptionCase& c = GetParam();
    EXPECT_EQ(frequencyIndexOf(c.caption), c.anyIndex);
    EXPECT_EQ(frequencyIndexOf(c.caption, CaptionSet::ListCaptionsOnly), c.listIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, CaptionToIndex,
    testing::Values(
        CaptionCase{"constant_only_outside_list", u"Constant", 0, std::nullopt},
        CaptionCase{"daily365", u"Daily 365", 1, 1}, CaptionCase{"daily360", u"Daily 360", 2, 2},
        CaptionCase{"weekly", u"Weekly 52", 3, 3}, CaptionCase{"biweekly", u"Biweekly 26", 4, 4},
        CaptionCase{"bimonthly", u"Bimonthly 24", 5, 5},
        CaptionCase{"monthly", u"Monthly 12", 6, 6}, CaptionCase{"quarterly", u"Quarterly 4", 7, 7},
        CaptionCase{"biannually", u"Biannually 2", 8, 8},
        CaptionCase{"annually", u"Annually 1", 9, 9},
        CaptionCase{"lower_case", u"monthly 12", std::nullopt, std::nullopt},
        CaptionCase{"leading_space", u" Monthly 12", std::nullopt, std::nullopt},
        CaptionCase{"trailing_space", u"Monthly 12 ", std::nullopt, std::nullopt},
        CaptionCase{"prefix_only", u"Monthly", std::nullopt, std::nullopt},
        CaptionCase{"empty", u"", std::nullopt, std::nullopt},
        CaptionCase{"embedded_nul", std::u16string(u"Monthly 12\0", 11), std::nullopt,
                    std::nullopt}),
    [](const testing::TestParamInfo<CaptionCase>& info) { return info.param.name; });

TEST(FrequencyTable, ListHoldsNineCaptionsInIndexOrder) {
    std::int32_t expected = 1;
    for (const PaymentFrequency& f : kPaymentFrequencies) {
        if (!f.inList)
            continue;
        EXPECT_EQ(f.index, expected++);
    }
    EXPECT_EQ(expected, 10);
}

TEST(FrequencyTable, PeriodsAndDivisorsPerIndex) {
    const std::int32_t periods[] = {24, 365, 360, 52, 26, 24, 12, 4, 2, 1};
    const std::int32_t divisors[] = {0, 365, 360, 52, 26, 24, 12, 4, 2, 1};
    for (std::int32_t i = 0; i < 10; ++i) {
        EXPECT_EQ(periodsPerYearOf(i), periods[i]) << "index " << i;
        EXPECT_EQ(rateDivisorOf(i), divisors[i]) << "index " << i;
    }
}

TEST(FrequencyTable, IndexesOutsideTheTableActLikeConstant) {
    for (std::int32_t i : {-1, 10, 1000, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(periodsPerYearOf(i), 24) << "index " << i;
        EXPECT_EQ(rateDivisorOf(i), 0) << "index " << i;
        EXPECT_EQ(frequencyCaptionOf(i), u"Constant") << "index " << i;
    }
}

TEST(FrequencyTable, DefaultIsMonthly) {
    EXPECT_EQ(frequencyIndexOf(kDefaultFrequencyCaption), kDefaultFrequencyIndex);
}

} // namespace
} // namespace paysmith
