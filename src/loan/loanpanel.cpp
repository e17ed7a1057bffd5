#include "loan/loanpanel.h"

#include "loan/frequency.h"
#include "loan/termtext.h"
#include "numfield/numericfield.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>

#include <array>

namespace paysmith {

namespace {

constexpr int kControlLeft = 197;
constexpr int kControlWidth = 110;
constexpr int kControlHeight = 23;
constexpr int kLabelRight = 191;
constexpr int kLabelHeight = 15;

constexpr const char* kAmountMask = "###,###,###.##";
constexpr const char* kRateMask = "###.####";
constexpr const char* kCountMask = "iiiiii";

enum class Role { Input, ReadOut };

struct Row {
    const char* caption;
    const char* name; // with %1 for the loan's number
    const char* mask;
    int controlTop;
    int labelTop[2];
    const char* hint[2];
};

QString nameFor(const char* pattern, LoanNumber loan) {
    return QString::fromLatin1(pattern).arg(loan == LoanNumber::First ? 1 : 2);
}

int indexOf(LoanNumber loan) {
    return loan == LoanNumber::First ? 0 : 1;
}

QString fromUtf16(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* addLabel(QWidget* parent, const QString& caption, int rightEdge, int top) {
    auto* label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setGeometry(0, top, rightEdge, kLabelHeight);
    return label;
}

void setHint(QWidget* control, const char* hint) {
    control->setProperty("hint", QString::fromLatin1(hint));
}

} // namespace

LoanPanel::LoanPanel(LoanNumber loan, char16_t decimalSeparator, QWidget* parent)
    : QFrame(parent), m_decimalSeparator(decimalSeparator) {
    setObjectName(loan == LoanNumber::First ? "Panel1" : "Panel3");
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setFixedSize(319, 322);
    createControls(loan);
}

LoanPanel::~LoanPanel() {
    // The focused field is told it lost the focus while the children are
    // destroyed, after this panel's own part is gone: nothing may reach it then.
    m_controls.frequency->removeEventFilter(this);
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void LoanPanel::createControls(LoanNumber loan) {
    const int i = indexOf(loan);
    QFont bold = font();
    bold.setBold(true);

    auto* title = new QLabel(loan == LoanNumber::First ? "Loan 1" : "Loan 2", this);
    title->setFont(bold);
    title->move(11, 6);

    auto makeField = [&](const Row& row, Role role) {
        auto* field = new TNumericField(this);
        field->setObjectName(nameFor(row.name, loan));
        if (row.mask == kCountMask)
            field->setDataType(TNumericDataType::nftInteger);
        else
            field->setDataType(TNumericDataType::nftDouble);
        field->setPictureMask(QString::fromLatin1(row.mask));
        field->setColor(role == Role::Input ? Qt::white : Qt::yellow);
        if (role == Role::ReadOut)
            field->setFocusPolicy(Qt::ClickFocus);
        field->setGeometry(kControlLeft, row.controlTop, kControlWidth, kControlHeight);
        setHint(field, row.hint[i]);
        addLabel(this, QString::fromLatin1(row.caption), kLabelRight, row.labelTop[i]);
        connect(field, &TNumericField::OnExit, this,
                [this] { emit recalculationRequested(RecalcSource::Other); });
        return field;
    };

    static constexpr Row amount{"Amount Borrowed  $",
                                "edtLoan%1",
                                kAmountMask,
                                13,
                                {16, 17},
                                {" Enter the amount of the loan", " Enter the amount of the loan"}};
    static constexpr Row payments{
        "Number of Payments",
        "edtTerm%1",
        kCountMask,
        65,
        {68, 68},
        {"Enter the number of payment periods", "Enter the number of payment periods"}};
    static constexpr Row rate{
        "Annual Interest Rate  %",
        "edtInterest%1",
        kRateMask,
        91,
        {94, 94},
        {" Enter the annual interest rate", " Enter the annual interest rate"}};
    static constexpr Row taxes{
        "Estimated Annual Taxes  $",
        "edtAnnualTaxes%1",
        kAmountMask,
        117,
        {121, 121},
        {" Enter the estimated annual taxes", " Enter the estimated annual taxes"}};
    static constexpr Row insurance{
        "Estimated Annual Insurance  $",
        "edtAnnualInsurance%1",
        kAmountMask,
        142,
        {146, 146},
        {" Enter the estimated annual insurance", " Enter the estimated annual insurance"}};
    static constexpr Row payment{
        "Payment Amount  $", "edtPayment%1",
        kAmountMask,         187,
        {190, 191},          {"Calculated payment (PITI) amount", "Calculated payment amount"}};
    static constexpr Row interestPaid{
        "Total Interest Paid  $",
        "edtInterestPaid%1",
        kAmountMask,
        212,
        {215, 216},
        {"Total interest paid over term of loan", "Total interest paid over term of loan"}};
    static constexpr Row taxesPaid{
        "Total Taxes Paid  $",
        "edtTaxes%1",
        kAmountMask,
        237,
        {240, 240},
        {"Total taxes paid over term of loan", "Total taxes paid over term of loan"}};
    static constexpr Row insurancePaid{
        "Total Insurance Paid  $",
        "edtInsurance%1",
        kAmountMask,
        262,
        {265, 265},
        {"Total insurance paid over term of loan", "Total insurance paid over term of loan"}};
    static constexpr Row totalPaid{
        "Total Amount Paid  $",
        "edtTotalPaid%1",
        kAmountMask,
        287,
        {290, 291},
        {"Total amount (PITI) paid over term of loan", "Total amount paid over term of loan"}};

    m_controls.amount = makeField(amount, Role::Input);

    auto* frequency = new QComboBox(this);
    frequency->setObjectName(nameFor("cbFrequency%1", loan));
    frequency->setEditable(true);
    frequency->setInsertPolicy(QComboBox::NoInsert);
    frequency->setCompleter(nullptr);
    for (const PaymentFrequency& f : kPaymentFrequencies)
        if (f.inList)
            frequency->addItem(fromUtf16(f.caption));
    frequency->setMaxVisibleItems(9);
    frequency->setEditText(fromUtf16(kDefaultFrequencyCaption));
    frequency->setGeometry(kControlLeft, 39, kControlWidth, kControlHeight);
    frequency->setProperty("hint", QStringLiteral("Choose payment frequency"));
    addLabel(this, "Payment Frequency", kLabelRight, 41);
    // Only the user's own edits and choices recalculate; the program sets the
    // text without a recalculation (start-up, Reset, the error handler).
    connect(frequency->lineEdit(), &QLineEdit::textEdited, this,
            [this] { emit recalculationRequested(RecalcSource::FrequencyBox); });
    connect(frequency, &QComboBox::activated, this,
            [this] { emit recalculationRequested(RecalcSource::FrequencyBox); });
    frequency->installEventFilter(this);
    m_controls.frequency = frequency;

    m_controls.payments = makeField(payments, Role::Input);
    m_controls.rate = makeField(rate, Role::Input);
    m_controls.annualTaxes = makeField(taxes, Role::Input);
    m_controls.annualInsurance = makeField(insurance, Role::Input);

    auto* termCaption = addLabel(this, "The term of this loan is", 198, 168);
    termCaption->setFont(bold);
    auto* term = new QLabel("360 months", this);
    term->setObjectName(loan == LoanNumber::First ? "lblTerm" : "lblTerm2");
    term->setFont(bold);
    term->setGeometry(201, 168, 110, kLabelHeight);
    m_controls.term = term;

    m_controls.payment = makeField(payment, Role::ReadOut);
    m_controls.totalInterest = makeField(interestPaid, Role::ReadOut);
    m_controls.totalTaxes = makeField(taxesPaid, Role::ReadOut);
    m_controls.totalInsurance = makeField(insurancePaid, Role::ReadOut);
    m_controls.totalPaid = makeField(totalPaid, Role::ReadOut);

    const std::array<QWidget*, 6> tabOrder{m_controls.amount,      m_controls.frequency,
                                           m_controls.payments,    m_controls.rate,
                                           m_controls.annualTaxes, m_controls.annualInsurance};
    for (std::size_t k = 1; k < tabOrder.size(); ++k)
        setTabOrder(tabOrder[k - 1], tabOrder[k]);
}

void LoanPanel::setFrequencyText(const QString& text) {
    m_controls.frequency->setEditText(text);
}

QString LoanPanel::frequencyText() const {
    return m_controls.frequency->currentText();
}

bool LoanPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_controls.frequency && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        emit recalculationRequested(RecalcSource::FrequencyBox);
    return QFrame::eventFilter(watched, event);
}

void LoanPanel::recalculate(RecalcSource source) {
    const auto caption = frequencyText().toStdU16String();
    if (source == RecalcSource::FrequencyBox && !frequencyIndexOf(caption))
        setFrequencyText(fromUtf16(kDefaultFrequencyCaption));

    if (const auto index = frequencyIndexOf(frequencyText().toStdU16String()))
        m_state.FrequencyIndex = *index;

    m_state.PeriodsPerYear = periodsPerYearOf(m_state.FrequencyIndex);
    const std::int32_t payments = m_controls.payments->IntegerValue();
    m_controls.term->setText(
        QString::fromStdU16String(termText(payments, m_state.PeriodsPerYear, m_decimalSeparator)));

    evaluate();
}

void LoanPanel::evaluate() {
    LoanInputs inputs;
    inputs.amount = m_controls.amount->FloatValue();
    inputs.annualRatePercent = m_controls.rate->FloatValue();
    inputs.payments = m_controls.payments->IntegerValue();
    inputs.payment = m_controls.payment->FloatValue();
    inputs.annualTaxes = m_controls.annualTaxes->FloatValue();
    inputs.annualInsurance = m_controls.annualInsurance->FloatValue();

    const LoanResults results = evaluateLoan(m_state, inputs);

    m_controls.payment->setFloatValue(results.payment);
    m_controls.totalPaid->setFloatValue(results.totalPaid);
    m_controls.totalInterest->setFloatValue(results.totalInterest);
    m_controls.totalTaxes->setFloatValue(results.totalTaxes);
    m_controls.totalInsurance->setFloatValue(results.totalInsurance);
}

} // namespace paysmith
