#include "loan/core/inputfields.h"

#include "numfield/text/intlsupport.h"
#include "numfield/text/numerictext.h"
#include "numfield/text/picturemask.h"

#include <string>
#include <type_traits>

namespace paysmith {

namespace {

// The field's text is read back with the marks it was laid out with, so the
// user's number format changes nothing here.
template <typename Value>
Value heldBy(const LoanFieldFormat& format, LoanInput input, Value value,
             std::vector<RefusedInput>& refused) {
    const TIntlSupport marks;
    const NumericText text(marks, format.type, PictureMask(std::u16string(format.mask)),
                           defaultRangeLo(format.type), defaultRangeHi(format.type));
    std::u16string shown;
    if constexpr (std::is_integral_v<Value>)
        shown = text.displayTextOfInteger(value);
    else
        shown = text.displayTextOfFloat(value);
    const Conversion read = text.valueOf(shown);
    if (read.code != 0)
        refused.push_back({input, static_cast<double>(value)});
    return static_cast<Value>(read.value);
}

} // namespace

LoanEntry entryAsFieldsHoldIt(const LoanEntry& entry, std::vector<RefusedInput>& refused) {
    LoanEntry held = entry;
    held.amount = heldBy(kMoneyField, LoanInput::Amount, entry.amount, refused);
    held.payments = heldBy(kCountField, LoanInput::Payments, entry.payments, refused);
    held.annualRatePercent = heldBy(kRateField, LoanInput::Rate, entry.annualRatePercent, refused);
    held.annualTaxes = heldBy(kMoneyField, LoanInput::Taxes, entry.annualTaxes, refused);
    held.annualInsurance =
        heldBy(kMoneyField, LoanInput::Insurance, entry.annualInsurance, refused);
    held.payment = heldBy(kMoneyField, LoanInput::Payment, entry.payment, refused);
    return held;
}

} // namespace paysmith
