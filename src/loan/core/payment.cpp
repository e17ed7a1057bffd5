#include "loan/core/payment.h"

#include "loan/core/frequency.h"
#include "loan/core/matherror.h"

#include <cmath>

namespace paysmith {

namespace {

constexpr double kExponentCap = 88.0;

// A·r / (1 − power) as one step. Doubles suffice unless A·r or the quotient
// leaves the double range; then the step is redone in extended precision so
// that only a payment that itself does not fit a double overflows.
double finishPayment(double amount, double rate, double power) {
    const double denominator = 1.0 - power;
    if (denominator == 0.0) {
        if (amount * rate == 0.0 || std::isnan(amount * rate))
            throw EInvalidOp("Invalid floating point operation: payment of 0 divided by 0");
        throw EZeroDivide("Floating point division by zero: the rate vanishes next to 1");
    }
    const double numerator = amount * rate;
    const double payment = numerator / denominator;
    if (std::isfinite(payment) && std::isfinite(numerator))
        return payment;
    return checkedResult(static_cast<long double>(amount) * rate / denominator, "the payment");
}

} // namespace

double getPower(double base, double exponent) {
    if (base == 0.0)
        return 0.0;
    if (!(base > 0.0))
        throw EInvalidOp("Invalid floating point operation: logarithm of a negative base");
    // |ln b| stays below 710 for any double b, so the product cannot
    // overflow; it is NaN only for an infinite base raised to 0 or a NaN
    // exponent.
    double t = std::log(base) * exponent;
    if (std::isnan(t))
        throw EInvalidOp("Invalid floating point operation: exponent of the power");
    if (t > kExponentCap)
        t = kExponentCap;
    return std::exp(t);
}

double CalcPayment(std::int32_t payments, std::int32_t frequencyIndex, double annualRatePercent,
                   double amount) {
    if (payments == 0)
        return 0.0;
    // Without interest the amount is simply shared out.
    if (annualRatePercent == 0.0)
        return amount / payments;
    double rate = annualRatePercent / 100.0;
    if (const std::int32_t divisor = rateDivisorOf(frequencyIndex); divisor != 0)
        rate = rate / divisor;
    const double base = 1.0 + rate;
    const double exponent = -static_cast<double>(payments);
    const double power = getPower(base, exponent);
    return finishPayment(amount, rate, power);
}

} // namespace paysmith
