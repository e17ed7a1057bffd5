#include "loan/payment.h"

#include "loan/frequency.h"
#include "loan/matherror.h"

#include <cmath>

namespace paysmith {

namespace {

constexpr double kExponentCap = 88.0;

} // namespace

double getPower(double base, double exponent) {
    if (base == 0.0)
        return 0.0;
    if (!(base > 0.0) || std::isnan(exponent))
        throw EInvalidOp("Invalid floating point operation: logarithm of a negative base");
    double t = checkedResult(static_cast<long double>(std::log(base)) * exponent,
                             "the exponent of the power");
    if (t > kExponentCap)
        t = kExponentCap;
    return std::exp(t);
}

double CalcPayment(std::int32_t payments, std::int32_t frequencyIndex, double annualRatePercent,
                   double amount) {
    if (payments == 0)
        return 0.0;
    if (annualRatePercent == 0.0)
        return 0.0;
    double rate = annualRatePercent / 100.0;
    if (const std::int32_t divisor = rateDivisorOf(frequencyIndex); divisor != 0)
        rate = rate / divisor;
    const double base = 1.0 + rate;
    const double exponent = -static_cast<double>(payments);
    const double power = getPower(base, exponent);

    // One step in extended precision, stored as a double at the end: only a
    // payment that does not fit a double overflows, not its numerator.
    const long double numerator = static_cast<long double>(amount) * rate;
    const long double denominator = 1.0L - power;
    if (denominator == 0.0L) {
        if (numerator == 0.0L || std::isnan(numerator))
            throw EInvalidOp("Invalid floating point operation: payment of 0 divided by 0");
        throw EZeroDivide("Floating point division by zero: the rate vanishes next to 1");
    }
    return checkedResult(numerator / denominator, "the payment");
}

} // namespace paysmith
