#pragma once

#include <array>
#include <cstddef>

namespace paysmith {

// One of the two loans: the one way a loan is named in the code, from its
// panel to the report.
enum class WhichLoan { Loan1, Loan2 };

inline constexpr std::array<WhichLoan, 2> kBothLoans{WhichLoan::Loan1, WhichLoan::Loan2};

// 0 or 1, for what is kept a loan each.
constexpr std::size_t indexOf(WhichLoan loan) {
    return loan == WhichLoan::Loan1 ? 0 : 1;
}

// 1 or 2, as the user reads it.
constexpr int numberOf(WhichLoan loan) {
    return loan == WhichLoan::Loan1 ? 1 : 2;
}

constexpr WhichLoan otherLoan(WhichLoan loan) {
    return loan == WhichLoan::Loan1 ? WhichLoan::Loan2 : WhichLoan::Loan1;
}

} // namespace paysmith
