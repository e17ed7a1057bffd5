#pragma once

#include "schedule/core/extrarefusal.h"

#include <QObject>

#include <functional>
#include <optional>

namespace paysmith {

class TNumericField;

// The rules a loan's extras keep across their three fields. A value that
// would make the extras meaningless is refused at its field with the reason,
// as a value out of range is. Where another field's value is as much to
// blame, the field keeps the focus only until the user has been told: after
// that the focus may go to correct either field, and the note beside them
// says why the extras do not count until then.
class ExtrasGuard : public QObject {
    Q_OBJECT
  public:
    using LoanOf = std::function<ScheduleInputs()>;

    // `loan` gives the loan the extras are for as it stands.
    ExtrasGuard(TNumericField* perPeriod, TNumericField* lumpSum, TNumericField* lumpPeriod,
                LoanOf loan, QObject* parent);

    // As the fields show them, taken or not.
    ExtraPayments shown() const;
    bool refuses(const ExtraPayments& extras) const {
        return refusalOfExtras(m_loan(), extras).has_value();
    }
    // The extras counted, or new ones came from elsewhere: what the user was
    // told of refused ones no longer holds.
    void forget() { m_told.reset(); }

  private:
    void guard(TNumericField* field);

    TNumericField* m_perPeriod;
    TNumericField* m_lumpSum;
    TNumericField* m_lumpPeriod;
    LoanOf m_loan;
    // The extras whose refusal by another field's value the user has been
    // told of; the focus is then free to go and correct either.
    std::optional<ExtraPayments> m_told;
};

} // namespace paysmith
