#pragma once

#include "compare/core/comparison.h"
#include "schedule/core/extrarefusal.h"
#include "schedule/core/summary.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace paysmith {

// An offer worked out. Every figure shown of it, on a page, in a CSV, on
// paper or in the report, comes from the schedules here, each worked out
// once.
struct WorkedOffer {
    // The loan with its terms, and the extras as they count: one that the
    // loan refuses is left out.
    Offer offer;
    // The lender's schedule without the extras and with them, and the
    // formula's.
    LoanSchedules schedules;
    // All but the cost if kept, which the years kept decide.
    OfferFigures figures;
    // The entered extras that do not count, and why; what a page says of
    // the entered extras.
    std::vector<LeftOutExtra> leftOut;
    ExtrasWords extrasNote;
    OfferTerms terms; // as entered
};

WorkedOffer workOutOffer(const ScheduleInputs& loan, const OfferTerms& terms);

// Both loans as offers under the comparison's inputs. What is asked for is
// worked out then, once after a change, and only where the change reaches:
// a new loan or new terms work that offer out again, new years kept only
// the comparison.
class Offers {
  public:
    // Each says whether anything changed.
    bool setLoan(WhichLoan loan, const ScheduleInputs& inputs);
    bool setInputs(const ComparisonInputs& inputs);

    const ScheduleInputs& loan(WhichLoan loan) const { return m_loans[indexOf(loan)]; }
    const ComparisonInputs& inputs() const { return m_inputs; }
    // Shared, so that a view may hold it while the offers move on.
    std::shared_ptr<const WorkedOffer> offer(WhichLoan loan) const;
    double keepYears() const;
    const Comparison& comparison() const;

  private:
    std::array<ScheduleInputs, 2> m_loans{};
    ComparisonInputs m_inputs;
    mutable std::array<std::shared_ptr<const WorkedOffer>, 2> m_worked;
    mutable std::optional<Comparison> m_comparison;
};

} // namespace paysmith
