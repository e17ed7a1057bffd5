#include "compare/model/offersmodel.h"

namespace paysmith {

OffersModel::OffersModel(QObject* parent) : QObject(parent) {}

void OffersModel::setLoan(WhichLoan loan, const LoanValues& values) {
    LoanValues& held = m_values[indexOf(loan)];
    if (held == values)
        return;
    held = values;
    m_offers.setLoan(loan, scheduleInputsOf(values));
    emit changed();
}

void OffersModel::setInputs(const ComparisonInputs& inputs) {
    if (m_offers.setInputs(inputs))
        emit changed();
}

void OffersModel::replaceInputs(const ComparisonInputs& inputs) {
    const bool changes = m_offers.inputs() != inputs;
    m_offers.setInputs(inputs);
    emit inputsReplaced();
    if (changes)
        emit changed();
}

std::shared_ptr<const LoanSchedules> OffersModel::schedulesOf(WhichLoan loan) const {
    std::shared_ptr<const WorkedOffer> offer = m_offers.offer(loan);
    return {offer, &offer->schedules};
}

} // namespace paysmith
