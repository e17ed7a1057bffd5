#include "loan/core/payment.h"

#include "loan/core/matherror.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace paysmith {
namespace {

struct PaymentCase {
    const char* name;
    std::int32_t payments;
    std::int32_t frequencyIndex;
    double ratePercent;
    double amount;
    double expected;
};

class WorkedPayments : public testing::TestWithParam<PaymentCase> {};

TEST_P(WorkedPayments, MatchToFourDecimals) {
    const PaymentCase& c = GetParam();
    EXPECT_NEAR(CalcPayment(c.payments, c.frequencyIndex, c.ratePercent, c.amount), c.expected,
                0.00005);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedPayments,
    testing::Values(PaymentCase{"monthly", 360, 6, 6.75, 150000, 972.8971},
                    PaymentCase{"daily365", 10950, 1, 6.75, 150000, 31.9589},
                    PaymentCase{"daily360", 10800, 2, 6.75, 150000, 32.4028},
                    PaymentCase{"weekly", 1560, 3, 6.75, 150000, 224.3653},
                    PaymentCase{"biweekly", 780, 4, 6.75, 150000, 448.8202},
                    PaymentCase{"bimonthly", 720, 5, 6.75, 150000, 486.2381},
                    PaymentCase{"quarterly", 120, 7, 6.75, 150000, 2923.7418},
                    PaymentCase{"biannually", 60, 8, 6.75, 150000, 5862.6312},
                    PaymentCase{"annually", 30, 9, 6.75, 150000, 11785.8232},
                    PaymentCase{"constant", 360, 0, 6.75, 150000, 10125.0},
                    PaymentCase{"out_of_table_index_like_constant", 360, 42, 6.75, 150000, 10125.0},
                    PaymentCase{"second_default_loan", 240, 6, 5.75, 150000, 1053.1253},
                    PaymentCase{"negative_count", -360, 6, 6.75, 150000, -129.1471},
                    PaymentCase{"negative_rate", 360, 6, -6.75, 150000, 127.4634},
                    PaymentCase{"zero_count", 0, 6, 6.75, 150000, 0.0},
                    PaymentCase{"zero_rate", 360, 6, 0.0, 150000, 150000.0 / 360},
                    PaymentCase{"negative_zero_rate", 360, 6, -0.0, 150000, 150000.0 / 360},
                    PaymentCase{"zero_amount", 360, 6, 6.75, 0.0, 0.0},
                    PaymentCase{"zero_base_annually", 30, 9, -100.0, 150000, -150000.0},
                    PaymentCase{"zero_base_constant", 5, 0, -100.0, 150000, -150000.0}),
    [](const testing::TestParamInfo<PaymentCase>& info) { return info.param.name; });

TEST(CalcPayment, ZeroCountWinsOverFaultyRate) {
    EXPECT_EQ(CalcPayment(0, 7, -500.0, 150000), 0.0);
}

TEST(CalcPayment, ExponentCapTurnsOverflowIntoTinyPayment) {
    // −n·ln(1 + r) ≈ 895.88 would overflow e^t; the cap at 88 gives A·r/(1 − e^88).
    const double payment = CalcPayment(500, 6, -999.9999, 150000);
    EXPECT_NEAR(payment, 7.568e-34, 0.001e-34);
    const double r = -999.9999 / 100 / 12;
    EXPECT_DOUBLE_EQ(payment, 150000 * r / (1 - std::exp(88.0)));
}

TEST(CalcPayment, NegativeCountAtHighRateIsCappedNotOverflowed) {
    const double payment = CalcPayment(-32768, 9, 99.9999, 150000);
    EXPECT_TRUE(std::isfinite(payment));
    EXPECT_LT(std::fabs(payment), 1e-30);
}

struct FaultCase {
    const char* name;
    std::int32_t payments;
    std::int32_t frequencyIndex;
    double ratePercent;
    double amount;
    enum Kind { Invalid, ZeroDivide, Overflow } kind;
};

class PaymentFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(PaymentFaults, RaiseTheirMathError) {
    const FaultCase& c = GetParam();
    try {
        CalcPayment(c.payments, c.frequencyIndex, c.ratePercent, c.amount);
        FAIL() << "no math error raised";
    } catch (const EInvalidOp& e) {
        EXPECT_EQ(c.kind, FaultCase::Invalid) << e.what();
        EXPECT_NE(std::string(e.what()), "");
    } catch (const EZeroDivide& e) {
        EXPECT_EQ(c.kind, FaultCase::ZeroDivide) << e.what();
    } catch (const EOverflow& e) {
        EXPECT_EQ(c.kind, FaultCase::Overflow) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, PaymentFaults,
    testing::Values(
        FaultCase{"negative_base_quarterly", 120, 7, -500.0, 150000, FaultCase::Invalid},
        FaultCase{"negative_base_monthly", 360, 6, -1300.0, 150000, FaultCase::Invalid},
        FaultCase{"negative_base_annually", 30, 9, -100.0001, 150000, FaultCase::Invalid},
        FaultCase{"rate_vanishes_next_to_one", 360, 6, 1e-15, 150000, FaultCase::ZeroDivide},
        FaultCase{"vanishing_rate_and_zero_amount", 360, 6, 1e-15, 0.0, FaultCase::Invalid},
        FaultCase{"payment_beyond_double", 1, 9, 1.7e308, 1.7e308, FaultCase::Overflow}),
    [](const testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

TEST(CalcPayment, FaultsAreMathErrors) {
    EXPECT_THROW(CalcPayment(120, 7, -500.0, 150000), EMathError);
    EXPECT_THROW(CalcPayment(360, 6, 1e-15, 150000), EMathError);
}

TEST(CalcPayment, SmallestNonZeroRateIsNotTreatedAsZero) {
    const double tiny = std::numeric_limits<double>::denorm_min();
    // The rate underflows to 0 when divided, so A·r / (1 − 1) is 0 / 0.
    EXPECT_THROW(CalcPayment(360, 6, tiny, 150000), EInvalidOp);
}

TEST(CalcPayment, LargeNumeratorStillFitsWhenThePaymentDoes) {
    // A·r overflows a double but A·r / (1 − power) does not.
    const double payment = CalcPayment(-1, 9, 1e12, 1.5e305);
    EXPECT_TRUE(std::isfinite(payment));
}

TEST(GetPower, ZeroBaseGivesZero) {
    EXPECT_EQ(getPower(0.0, -360.0), 0.0);
    EXPECT_EQ(getPower(-0.0, 5.0), 0.0);
}

TEST(GetPower, MatchesPowWithinRounding) {
    for (double base : {0.5, 1.005625, 2.0, 10.0})
        for (double exponent : {-30.0, -1.0, 0.5, 3.0})
            EXPECT_NEAR(getPower(base, exponent) / std::pow(base, exponent), 1.0, 1e-13)
                << base << "^" << exponent;
}

TEST(GetPower, CapsTheExponentAt88AndUnderflowsSilently) {
    EXPECT_DOUBLE_EQ(getPower(10.0, 1000.0), std::exp(88.0));
    EXPECT_EQ(getPower(10.0, -1000.0), 0.0);
}

TEST(GetPower, NegativeBaseIsInvalid) {
    EXPECT_THROW(getPower(-0.25, -120.0), EInvalidOp);
}

} // namespace
} // namespace paysmith
