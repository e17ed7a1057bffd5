#include "compare/core/offers.h"

namespace paysmith {

WorkedOffer workOutOffer(const ScheduleInputs& loan, const OfferTerms& terms) {
    CountedExtras extras = countedExtras(loan, extrasOf(terms));
    WorkedOffer worked{Offer{loan, terms.fees, terms.pointsPercent, extras.counted},
                       loanSchedules(loan, extras.counted),
                       {},
                       std::move(extras.leftOut),
                       std::move(extras.note),
                       terms};
    worked.figures =
        offerFiguresOf(worked.offer, worked.schedules.contract, worked.schedules.lender);
    return worked;
}

bool Offers::setLoan(WhichLoan loan, const ScheduleInputs& inputs) {
    const std::size_t k = indexOf(loan);
    if (m_loans[k] == inputs)
        return false;
    m_loans[k] = inputs;
    m_worked[k].reset();
    m_comparison.reset();
    return true;
}

bool Offers::setInputs(const ComparisonInputs& inputs) {
    if (m_inputs == inputs)
        return false;
    for (std::size_t k = 0; k < 2; ++k)
        if (m_inputs.offers[k] != inputs.offers[k])
            m_worked[k].reset();
    m_inputs = inputs;
    m_comparison.reset();
    return true;
}

std::shared_ptr<const WorkedOffer> Offers::offer(WhichLoan loan) const {
    const std::size_t k = indexOf(loan);
    if (!m_worked[k])
        m_worked[k] =
            std::make_shared<const WorkedOffer>(workOutOffer(m_loans[k], m_inputs.offers[k]));
    return m_worked[k];
}

double Offers::keepYears() const {
    return keepYearsOf(m_inputs, Offer{m_loans[0]}, Offer{m_loans[1]});
}

const Comparison& Offers::comparison() const {
    if (!m_comparison)
        m_comparison = comparisonOf(offer(WhichLoan::Loan1)->figures,
                                    offer(WhichLoan::Loan2)->figures, keepYears());
    return *m_comparison;
}

} // namespace paysmith
