// The largest and most negative results the loan panels can produce, laid
// into the amount mask: each must show its own value or the overflow text,
// never a number with digits or its sign cut off.

#include "loan/core/evaluation.h"
#include "numfield/text/numerictext.h"

#include "conventions.h"
#include "fieldtexts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace paysmith {
namespace {

using namespace testing_conventions;
using namespace testing_fields;

struct LoanCase {
    const char* name;
    LoanInputs inputs;
    std::int32_t frequencyIndex;
    std::int32_t periodsPerYear;
    bool paymentFits;
    bool totalPaidFits;
};

class LoanExtremes : public testing::TestWithParam<LoanCase> {};

// Whether a value holds, rounded to cents, within nine integer digits and the
// sign: the amount mask's room.
bool fitsAmountMask(double value) {
    const double cents = std::round(std::fabs(value) * 100.0) / 100.0;
    return cents < (value < 0 ? 1e8 : 1e9);
}

TEST_P(LoanExtremes, ResultsShowThemselvesOrTheOverflowText) {
    const LoanCase& c = GetParam();
    LoanState state;
    state.FrequencyIndex = c.frequencyIndex;
    state.PeriodsPerYear = c.periodsPerYear;
    const LoanResults results = evaluateLoan(state, c.inputs);
    EXPECT_EQ(fitsAmountMask(results.payment), c.paymentFits);
    EXPECT_EQ(fitsAmountMask(results.totalPaid), c.totalPaidFits);

    const NumericText amount = amountField(kEnglish);
    for (const double result : {results.payment, results.totalPaid, results.totalInterest,
                                results.totalTaxes, results.totalInsurance}) {
        const std::u16string shown = amount.displayTextOfFloat(result);
        const Conversion back = amount.valueOf(shown);
        ASSERT_EQ(shown.size(), 14u);
        if (!fitsAmountMask(result)) {
            EXPECT_EQ(shown, u"##############") << result;
            EXPECT_EQ(back.code, ErrInvalid) << result;
            continue;
        }
        EXPECT_EQ(back.code, 0) << result;
        EXPECT_LE(std::fabs(static_cast<double>(back.value) - result),
                  0.005 + 1e-9 * std::fabs(result))
            << result;
        EXPECT_EQ(std::signbit(static_cast<double>(back.value)),
                  std::signbit(result) && back.value != 0)
            << result;
    }
}

constexpr double kLargestAmount = 999999999.99;
constexpr double kMostNegativeAmount = -99999999.99;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Loans, LoanExtremes,
    testing::Values(LoanCase{"largest_amount_highest_rate_annual_longest",
                             {kLargestAmount, 999.9999, 32767, 0.0, kLargestAmount, kLargestAmount},
                             9,
                             1,
                             false,
                             false},
                    LoanCase{"largest_amount_highest_rate_annual_one_payment", {kLargestAmount, 999.9999, 1, 0.0, 0.0, 0.0}, 9, 1, false, false},
                    LoanCase{"largest_amount_monthly_thirty_years", {kLargestAmount, 6.75, 360, 0.0, 0.0, 0.0}, 6, 12, true, false},
                    LoanCase{"most_negative_count", {kLargestAmount, 999.9999, -32768, 0.0, 0.0, 0.0}, 9, 1, true, true},
                    LoanCase{"most_negative_amount", {kMostNegativeAmount, 999.9999, 32767, 0.0, kMostNegativeAmount, 0.0}, 9, 1, false, false},
                    LoanCase{"most_negative_rate_annual", {kLargestAmount, -99.9999, 360, 0.0, 0.0, 0.0}, 9, 1, true, true},
                    LoanCase{
                        "default_loan", {150000.0, 6.75, 360, 0.0, 0.0, 0.0}, 6, 12, true, true}),
    [](const testing::TestParamInfo<LoanCase>& info) { return info.param.name; });
// clang-format on

} // namespace
} // namespace paysmith
