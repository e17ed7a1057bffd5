#pragma once

#include "compare/core/offers.h"
#include "loan/core/loanvalues.h"
#include "schedule/core/schedulessource.h"

#include <QObject>

#include <array>

namespace paysmith {

// Both loans as their panels last published them and the terms that make them
// offers: the one place the pages, their printouts and exports read them
// from. Each change is signalled once; what it changes is worked out when a
// view first asks for it, once.
class OffersModel : public QObject, public LoanSchedulesSource {
    Q_OBJECT
  public:
    explicit OffersModel(QObject* parent = nullptr);

    // The loan as it was last worked out.
    void setLoan(WhichLoan loan, const LoanValues& values);
    // The terms, the years kept and the method as the Compare page's entries
    // take them.
    void setInputs(const ComparisonInputs& inputs);
    // The same from elsewhere: a settings file's at start, the defaults at
    // Reset. The entries show them even when they are the same.
    void replaceInputs(const ComparisonInputs& inputs);

    const LoanValues& loanValues(WhichLoan loan) const { return m_values[indexOf(loan)]; }
    const Offers& offers() const { return m_offers; }
    const ComparisonInputs& inputs() const { return m_offers.inputs(); }
    std::shared_ptr<const LoanSchedules> schedulesOf(WhichLoan loan) const override;

  signals:
    void changed();
    // Before the change, if any, that replaceInputs makes.
    void inputsReplaced();

  private:
    std::array<LoanValues, 2> m_values{};
    Offers m_offers;
};

} // namespace paysmith
