#pragma once

#include "loan/core/evaluation.h"

#include <QFrame>

class QComboBox;
class QLabel;

namespace paysmith {

class TNumericField;
struct LoanPanelRow;

enum class LoanNumber { First, Second };

// What started a recalculation: the loan's own frequency box repairs an
// unknown frequency text; every other source leaves it standing.
enum class RecalcSource { FrequencyBox, Other };

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
// recalculation that ties them to the loan arithmetic.
class LoanPanel : public QFrame {
    Q_OBJECT
  public:
    LoanPanel(LoanNumber loan, char16_t decimalSeparator, QWidget* parent);
    ~LoanPanel() override;

    const LoanControls& controls() const { return m_controls; }
    LoanState& state() { return m_state; }
    const LoanState& state() const { return m_state; }

    void setFrequencyText(const QString& text);
    QString frequencyText() const;

    // Runs the four recalculation steps. Math errors of the evaluation
    // propagate: by then the term text and the loan state are updated and the
    // read-outs still show the previous results.
    void recalculate(RecalcSource source);

  signals:
    // A control of this loan asks for its recalculation: a numeric field was
    // left, or the frequency box changed or was left.
    void recalculationRequested(paysmith::RecalcSource source);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls(LoanNumber loan);
    TNumericField* addNumericField(const LoanPanelRow& row, LoanNumber loan);
    QComboBox* addFrequencyBox(LoanNumber loan);
    void evaluate();
    void setTermText(const QString& text);

    char16_t m_decimalSeparator;
    LoanControls m_controls;
    LoanState m_state;
};

} // namespace paysmith
