// Checks the payment formula without restating it: paying the computed
// payment every period must bring the balance to zero at the last period.

#include "loan/core/frequency.h"
#include "loan/core/payment.h"

#include <gtest/gtest.h>

#include <cmath>

namespace paysmith {
namespace {

long double balanceAfterAllPayments(double amount, double ratePerPeriod, std::int32_t payments,
                                    double payment) {
    long double balance = amount;
    for (std::int32_t period = 0; period < payments; ++period)
        balance = balance * (1.0L + ratePerPeriod) - payment;
    return balance;
}

TEST(Amortisation, ComputedPaymentRepaysTheLoanExactly) {
    int loans = 0;
    for (double amount : {1000.0, 150000.0, 2.5e7})
        for (double ratePercent : {-5.0, 0.01, 0.5, 3.0, 6.75, 12.0, 29.9999, 99.0})
            for (std::int32_t index = 1; index <= 9; ++index)
                for (std::int32_t payments : {1, 2, 12, 60, 360, 1000}) {
                    const double rate = ratePercent / 100 / rateDivisorOf(index);
                    if (-payments * std::log1p(rate) > 88)
                        continue; // beyond the exponent cap the formula is deliberately not exact
                    const double payment = CalcPayment(payments, index, ratePercent, amount);
                    const long double rest =
                        balanceAfterAllPayments(amount, rate, payments, payment);
                    // The balance grows by (1 + r)^n; judged at its present value.
                    const long double growth = std::pow(1.0L + rate, payments);
                    EXPECT_LE(std::fabs(static_cast<double>(rest / growth)), 1e-9 * amount)
                        << amount << " at " << ratePercent << "% index " << index << " over "
                        << payments << " payments: payment " << payment;
                    ++loans;
                }
    EXPECT_GT(loans, 1000);
}

TEST(Amortisation, AgreesWithAnAccurateClosedFormOnRealisticLoans) {
    // log1p/expm1 in extended precision, as careful spreadsheets compute it.
    for (double ratePercent = 0.05; ratePercent < 40; ratePercent += 0.37)
        for (std::int32_t index = 1; index <= 9; ++index)
            for (std::int32_t payments : {1, 7, 36, 180, 480, 3650, 32767}) {
                const long double rate =
                    static_cast<long double>(ratePercent / 100) / rateDivisorOf(index);
                const long double expected =
                    -150000.0L * rate / std::expm1l(-payments * std::log1pl(rate));
                const double payment = CalcPayment(payments, index, ratePercent, 150000);
                EXPECT_NEAR(payment / expected, 1.0, 1e-9)
                    << ratePercent << "% index " << index << " n " << payments;
            }
}

} // namespace
} // namespace paysmith
