#pragma once

#include "loan/core/loanvalues.h"
#include "numfield/text/datatype.h"

#include <string_view>
#include <vector>

namespace paysmith {

// A loan page field's data type and picture, which between them bound what
// the field holds: the loan panel builds its fields from these, and a loan
// read without the panel is held to the same bounds.
struct LoanFieldFormat {
    TNumericDataType type;
    std::u16string_view mask;
};

inline constexpr LoanFieldFormat kMoneyField{TNumericDataType::nftDouble, u"###,###,###.##"};
inline constexpr LoanFieldFormat kRateField{TNumericDataType::nftDouble, u"###.####"};
inline constexpr LoanFieldFormat kCountField{TNumericDataType::nftInteger, u"iiiiii"};

enum class LoanInput { Amount, Payments, Rate, Taxes, Insurance, Payment };

struct RefusedInput {
    LoanInput input;
    double value;
};

// The entry as the loan page's fields hold it once set to it: each value
// rounded to its field's decimals, and one its field cannot hold (too many
// digits, or beyond the field's range) read as 0, as the field reads it.
// Those are added to `refused`.
LoanEntry entryAsFieldsHoldIt(const LoanEntry& entry, std::vector<RefusedInput>& refused);

} // namespace paysmith
