#pragma once

#include "compare/core/comparison.h"
#include "loan/core/loanvalues.h"
#include "numfield/text/datatype.h"

#include <QWidget>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QTableWidget;

namespace paysmith {

class YearsChartWidget;
class TIntlSupport;
class TNumericField;
struct FiguresDocument;

// The Compare page: both loans as offers, with their fees and points, the
// rate that counts them (APR or APRC), what each costs if kept for some years
// and which costs less then and whenever that changes for good. Like the
// Schedule page it stays empty until first shown, and follows the loans it is
// given.
class ComparePage : public QWidget {
    Q_OBJECT
  public:
    // `format` must outlive the page. `regionMethod` is the method shown
    // until the user chooses one.
    ComparePage(const TIntlSupport& format, AprMethod regionMethod, QWidget* parent = nullptr);
    ~ComparePage() override;

    // Loan 0 or 1 as it was last worked out.
    void setLoan(int loan, const LoanValues& values);
    // What the user has entered on the page; a settings file's, at start.
    void setInputs(const ComparisonInputs& inputs);
    const ComparisonInputs& inputs() const { return m_inputs; }

    bool isBuilt() const { return m_table != nullptr; }
    AprMethod shownMethod() const { return m_inputs.method.value_or(m_regionMethod); }
    Offer offer(int loan) const;
    Comparison comparison() const;

    // Through a dialog, the page need not have been shown.
    void exportComparison();
    void printPage();
    void savePdf();
    FiguresDocument document();

  signals:
    // After the user has changed a loan's extra payments, and at setInputs.
    void extrasChanged(int loan, const paysmith::ExtraPayments& extras);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void build();
    TNumericField* addField(const char* name, TNumericDataType type, const char* mask,
                            const QString& hint);
    void guardExtras(TNumericField* field, int loan);
    // The loan's terms with the extras as their fields show them, taken or not.
    OfferTerms shownTerms(int loan) const;
    void takeEntries();
    void showInputs();
    void refresh();
    void showExtrasNote();
    // Why `loan` has no line in the chart; empty when it has one.
    QString missingPathText(const Comparison& comparison, int loan) const;
    QString crossoverText(const Comparison& comparison) const;

    const TIntlSupport& m_format;
    AprMethod m_regionMethod;
    std::array<ScheduleInputs, 2> m_loans{};
    ComparisonInputs m_inputs;
    bool m_stale = true;
    bool m_keepYearsEdited = false;
    // Per loan, the extras whose refusal by another field's value the user
    // has been told of; the focus is then free to go and correct either.
    std::array<std::optional<ExtraPayments>, 2> m_refusalTold{};

    std::array<TNumericField*, 2> m_fees{};
    std::array<TNumericField*, 2> m_points{};
    std::array<TNumericField*, 2> m_extra{};
    std::array<TNumericField*, 2> m_lump{};
    std::array<TNumericField*, 2> m_lumpPeriod{};
    TNumericField* m_keepYears = nullptr;
    QComboBox* m_method = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_crossover = nullptr;
    QLabel* m_extrasNote = nullptr;
    YearsChartWidget* m_chart = nullptr;
};

} // namespace paysmith
