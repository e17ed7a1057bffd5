#pragma once

#include "compare/core/comparison.h"
#include "numfield/text/datatype.h"

#include <QWidget>

#include <array>
#include <functional>

class QComboBox;
class QLabel;

namespace paysmith {

class ExtrasGuard;
class TIntlSupport;
class TNumericField;

// What the user enters on the Compare page: each loan's fees, points and
// extras, a column a loan, the years kept and the method of the rate, with
// the note on extras that do not count beside them.
class CompareEntries : public QWidget {
    Q_OBJECT
  public:
    // The loan that extras are checked against, as it stands.
    using LoanOf = std::function<ScheduleInputs(WhichLoan loan)>;

    // `format` must outlive the entries.
    CompareEntries(const TIntlSupport& format, LoanOf loan, QWidget* parent);

    // New inputs from elsewhere: the fields show them, and what the user had
    // typed or been told no longer holds.
    void showInputs(const ComparisonInputs& inputs, AprMethod method);
    // The inputs over `before` as the fields hold them: a refused entry, which
    // reads as 0, leaves the value it would replace, and the extras count
    // together or not at all.
    ComparisonInputs taken(const ComparisonInputs& before);
    // The span the figures are for, and the longest it may be.
    void showKeepYears(double years, double longest);
    ExtraPayments shownExtras(WhichLoan loan) const;
    void showExtrasNote(const QString& note);
    QString extrasNote() const;

  signals:
    // A field was left.
    void entered();
    void methodChosen(paysmith::AprMethod method);

  private:
    TNumericField* addField(const char* name, TNumericDataType type, const char* mask,
                            const QString& hint);

    const TIntlSupport& m_format;
    bool m_keepYearsEdited = false;
    std::array<TNumericField*, 2> m_fees{};
    std::array<TNumericField*, 2> m_points{};
    std::array<TNumericField*, 2> m_extra{};
    std::array<TNumericField*, 2> m_lump{};
    std::array<TNumericField*, 2> m_lumpPeriod{};
    std::array<ExtrasGuard*, 2> m_guards{};
    TNumericField* m_keepYears = nullptr;
    QComboBox* m_method = nullptr;
    QLabel* m_extrasNote = nullptr;
};

} // namespace paysmith
