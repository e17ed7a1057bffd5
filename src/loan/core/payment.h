#pragma once

#include <cstdint>

namespace paysmith {

// b raised to x through ln and exp. A base of exactly 0 gives 0; the exponent
// of e is capped at 88 so the power never exceeds e^88 (about 1.65e38).
// Throws EInvalidOp for a negative base.
double getPower(double base, double exponent);

// Principal-and-interest payment per period of a level-payment annuity:
// P = A·r / (1 − (1 + r)^−n), r being the annual rate (in percent) as a
// fraction divided by the frequency's divisor. A count of 0 or a rate of
// exactly 0 gives 0. Throws EMathError subclasses for the faults.
double CalcPayment(std::int32_t payments, std::int32_t frequencyIndex, double annualRatePercent,
                   double amount);

} // namespace paysmith
