#pragma once

#include "loan/core/loanvalues.h"
#include "loan/core/whichloan.h"

#include <QFrame>

#include <exception>
#include <functional>

class QComboBox;
class QLabel;

namespace paysmith {

class TIntlSupport;
class TNumericField;
struct LoanPanelRow;

// What started a recalculation: the loan's own frequency box repairs an
// unknown frequency text; every other source leaves it standing.
enum class RecalcSource { FrequencyBox, Other };

// Which of a loan's inputs are shown anew: the error handler leaves the taxes
// and insurance as they were; start-up and Reset put back all of them.
enum class InputSet { Main, All };

// The controls of one loan, by their role.
struct LoanControls {
    QLabel* title = nullptr;
    TNumericField* amount = nullptr;
    QComboBox* frequency = nullptr;
    TNumericField* payments = nullptr;
    TNumericField* rate = nullptr;
    TNumericField* annualTaxes = nullptr;
    TNumericField* annualInsurance = nullptr;
    QLabel* termCaption = nullptr;
    QLabel* term = nullptr;
    TNumericField* payment = nullptr;
    TNumericField* totalInterest = nullptr;
    TNumericField* totalTaxes = nullptr;
    TNumericField* totalInsurance = nullptr;
    TNumericField* totalPaid = nullptr;
};

// One loan panel: six inputs, five read-outs and the term line, and the
// recalculation that ties them to the loan arithmetic. It works its loan out
// again when one of its inputs is left or its frequency changes, and
// publishes the loan after every recalculation.
class LoanPanel : public QFrame {
    Q_OBJECT
  public:
    // `format` must outlive the panel.
    LoanPanel(WhichLoan loan, const TIntlSupport& format, QWidget* parent);

    WhichLoan loan() const { return m_loan; }
    ~LoanPanel() override;

    const LoanControls& controls() const { return m_controls; }
    LoanState& state() { return m_state; }
    const LoanState& state() const { return m_state; }

    // Starts from a loan saved by an earlier run: its inputs shown and
    // remembered, its payment shown, its frequency in force when it is one of
    // the list's.
    void startFrom(const LoanEntry& saved);
    // Puts `entry` back into the inputs, with the default frequency in force.
    // The rest of the remembered state is left alone: the next recalculation
    // reads the fields.
    void restoreInputs(const LoanEntry& entry, InputSet which);
    // The frequency by its English caption, the key the settings file keeps;
    // the box shows it in the user's language.
    void setFrequencyText(const QString& caption);
    QString frequencyText() const;

    // "Loan 1: payment 1,621.50, 30.00 years", as the panel shows them.
    QString resultsSentence() const;
    // The loan as last worked out.
    const LoanValues& values() const { return m_values; }

    // Runs the four recalculation steps. Math errors of the evaluation
    // propagate: by then the term text and the loan state are updated and the
    // read-outs still show the previous results, and nothing is published.
    void recalculate(RecalcSource source);
    // Where the errors of the recalculations that the panel's own controls
    // start go; without a handler they propagate.
    void setErrorHandler(std::function<void(const std::exception&)> handler) {
        m_onError = std::move(handler);
    }

  signals:
    // After every recalculation: the loan as worked out.
    void workedOut(const paysmith::LoanValues& values);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls(WhichLoan loan);
    void growForLongCaptions();
    TNumericField* addNumericField(const LoanPanelRow& row, WhichLoan loan);
    QComboBox* addFrequencyBox(WhichLoan loan);
    void showInputs(const LoanEntry& entry, InputSet which);
    // A recalculation that the panel's own controls start; what it changes
    // of the payment and the term is announced to screen readers.
    void recalculateOnItsOwn(RecalcSource source);
    LoanEntry entry() const;
    void showResults(const LoanResults& results);
    void setTermText(const QString& text);

    WhichLoan m_loan;
    const TIntlSupport& m_format;
    LoanControls m_controls;
    LoanState m_state;
    LoanValues m_values;
    std::function<void(const std::exception&)> m_onError;
};

} // namespace paysmith
