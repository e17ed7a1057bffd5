#include "loan/panel/loanpanel.h"

#include "base/accessible/announcer.h"
#include "base/hint/hint.h"
#include "base/qt/qtstrings.h"

#include "loan/core/frequency.h"
#include "loan/core/inputfields.h"
#include "loan/core/termtext.h"
#include "loan/panel/loanpanelaccessible.h"
#include "numfield/widget/numericfield.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <array>
#include <string_view>

namespace paysmith {

// One numeric row of the panel. Names carry %1 for the loan's number; the
// label tops and hints differ between the two loans.
struct LoanPanelRow {
    enum class Kind { Amount, Rate, Count };
    enum class Role { Input, ReadOut };

    const char* caption;
    const char* name;
    Kind kind;
    Role role;
    int controlTop;
    int labelTop[2];
    const char* hint[2];
};

namespace {

using Row = LoanPanelRow;
using Kind = Row::Kind;
using Role = Row::Role;

constexpr int kControlLeft = 197;
constexpr int kControlWidth = 110;
constexpr int kControlHeight = 23;
constexpr int kLabelRight = 191;
constexpr int kLabelHeight = 15;
// The least room left of a caption that has grown the panel.
constexpr int kCaptionInset = 6;
constexpr const char* kFrequencyContext = "paysmith::Frequency";

constexpr Row kAmount{QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Amount Borrowed  %1"),
                      "edtLoan%1",
                      Kind::Amount,
                      Role::Input,
                      13,
                      {16, 17},
                      {QT_TRANSLATE_NOOP("paysmith::LoanPanel", " Enter the amount of the loan"),
                       QT_TRANSLATE_NOOP("paysmith::LoanPanel", " Enter the amount of the loan")}};
constexpr Row kPayments{
    QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Number of Payments"),
    "edtTerm%1",
    Kind::Count,
    Role::Input,
    65,
    {68, 68},
    {QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Enter the number of payment periods"),
     QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Enter the number of payment periods")}};
constexpr Row kRate{QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Annual Interest Rate  %"),
                    "edtInterest%1",
                    Kind::Rate,
                    Role::Input,
                    91,
                    {94, 94},
                    {QT_TRANSLATE_NOOP("paysmith::LoanPanel", " Enter the annual interest rate"),
                     QT_TRANSLATE_NOOP("paysmith::LoanPanel", " Enter the annual interest rate")}};
constexpr Row kTaxes{
    QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Estimated Annual Taxes  %1"),
    "edtAnnualTaxes%1",
    Kind::Amount,
    Role::Input,
    117,
    {121, 121},
    {QT_TRANSLATE_NOOP("paysmith::LoanPanel", " Enter the estimated annual taxes"),
     QT_TRANSLATE_NOOP("paysmith::LoanPanel", " Enter the estimated annual taxes")}};
constexpr Row kInsurance{
    QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Estimated Annual Insurance  %1"),
    "edtAnnualInsurance%1",
    Kind::Amount,
    Role::Input,
    142,
    {146, 146},
    {QT_TRANSLATE_NOOP("paysmith::LoanPanel", " Enter the estimated annual insurance"),
     QT_TRANSLATE_NOOP("paysmith::LoanPanel", " Enter the estimated annual insurance")}};
constexpr Row kPayment{
    QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Payment Amount  %1"),
    "edtPayment%1",
    Kind::Amount,
    Role::ReadOut,
    187,
    {190, 191},
    {QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Calculated payment (PITI) amount"),
     QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Calculated payment amount")}};
constexpr Row kInterestPaid{
    QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Total Interest Paid  %1"),
    "edtInterestPaid%1",
    Kind::Amount,
    Role::ReadOut,
    212,
    {215, 216},
    {QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Total interest paid over term of loan"),
     QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Total interest paid over term of loan")}};
constexpr Row kTaxesPaid{
    QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Total Taxes Paid  %1"),
    "edtTaxes%1",
    Kind::Amount,
    Role::ReadOut,
    237,
    {240, 240},
    {QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Total taxes paid over term of loan"),
     QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Total taxes paid over term of loan")}};
constexpr Row kInsurancePaid{
    QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Total Insurance Paid  %1"),
    "edtInsurance%1",
    Kind::Amount,
    Role::ReadOut,
    262,
    {265, 265},
    {QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Total insurance paid over term of loan"),
     QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Total insurance paid over term of loan")}};
constexpr Row kTotalPaid{
    QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Total Amount Paid  %1"),
    "edtTotalPaid%1",
    Kind::Amount,
    Role::ReadOut,
    287,
    {290, 291},
    {QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Total amount (PITI) paid over term of loan"),
     QT_TRANSLATE_NOOP("paysmith::LoanPanel", "Total amount paid over term of loan")}};

const LoanFieldFormat& formatOf(Kind kind) {
    switch (kind) {
    case Kind::Rate:
        return kRateField;
    case Kind::Count:
        return kCountField;
    case Kind::Amount:
        break;
    }
    return kMoneyField;
}

QString nameFor(const char* pattern, WhichLoan loan) {
    return QString::fromLatin1(pattern).arg(numberOf(loan));
}

QLabel* addLabel(QWidget* parent, const QString& caption, int rightEdge, int top) {
    auto* label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setGeometry(0, top, rightEdge, kLabelHeight);
    return label;
}

// The money captions carry the locale's currency sign; a locale without one
// keeps the dollar sign the captions always had.
QString captionOf(const LoanPanelRow& row, const TIntlSupport& format) {
    const QString caption = LoanPanel::tr(row.caption);
    if (row.kind != Kind::Amount)
        return caption;
    const QString sign = toQString(format.CurrencyPrefix());
    return caption.arg(sign.isEmpty() ? QStringLiteral("$") : sign);
}

QString shownTerm(std::u16string_view term) {
    for (const std::u16string_view words : {kTermYears, kTermYear})
        if (term.ends_with(words))
            return toQString(term.substr(0, term.size() - words.size())) +
                   translated("paysmith::Term", words);
    return toQString(term);
}

} // namespace

LoanPanel::LoanPanel(WhichLoan loan, const TIntlSupport& format, QWidget* parent)
    : QFrame(parent), m_loan(loan), m_format(format) {
    installLoanPanelAccessibility();
    setObjectName(loan == WhichLoan::Loan1 ? "Panel1" : "Panel3");
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setFixedSize(319, 322);
    createControls(loan);
    growForLongCaptions();
}

void LoanPanel::growForLongCaptions() {
    // The layout was drawn for the English texts; where a translation's
    // captions are wider, they widen and everything right of them moves over,
    // and where its frequencies are, the column of controls widens.
    int captionExtra = 0;
    const auto children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* child : children)
        if (const auto* caption = qobject_cast<const QLabel*>(child); caption && caption->x() == 0)
            captionExtra = std::max(captionExtra,
                                    caption->sizeHint().width() + kCaptionInset - caption->width());
    int english = 0;
    int shown = 0;
    for (const PaymentFrequency& f : kPaymentFrequencies) {
        english = std::max(english, fontMetrics().horizontalAdvance(toQString(f.caption)));
        shown = std::max(shown,
                         fontMetrics().horizontalAdvance(translated(kFrequencyContext, f.caption)));
    }
    const int columnExtra = std::max(0, shown - english);
    if (captionExtra == 0 && columnExtra == 0)
        return;
    for (QWidget* child : children) {
        if (child->x() == 0)
            child->resize(child->width() + captionExtra, child->height());
        else if (child->x() > kLabelRight)
            child->setGeometry(child->x() + captionExtra, child->y(), child->width() + columnExtra,
                               child->height());
    }
    setFixedSize(width() + captionExtra + columnExtra, height());
}

LoanPanel::~LoanPanel() {
    // The focused field is told it lost the focus while the children are
    // destroyed, after this panel's own part is gone: nothing may reach it then.
    m_controls.frequency->removeEventFilter(this);
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void LoanPanel::createControls(WhichLoan loan) {
    QFont bold = font();
    bold.setBold(true);
    m_controls.title = new QLabel(loan == WhichLoan::Loan1 ? tr("Loan 1") : tr("Loan 2"), this);
    m_controls.title->setFont(bold);
    m_controls.title->move(11, 6);
    setAccessibleName(m_controls.title->text());

    m_controls.amount = addNumericField(kAmount, loan);
    m_controls.frequency = addFrequencyBox(loan);
    setFrequencyText(toQString(kDefaultFrequencyCaption));
    m_controls.payments = addNumericField(kPayments, loan);
    m_controls.rate = addNumericField(kRate, loan);
    m_controls.annualTaxes = addNumericField(kTaxes, loan);
    m_controls.annualInsurance = addNumericField(kInsurance, loan);

    m_controls.termCaption = addLabel(this, tr("The term of this loan is"), 198, 168);
    m_controls.termCaption->setFont(bold);
    m_controls.term = new QLabel(this);
    m_controls.term->setObjectName(loan == WhichLoan::Loan1 ? "lblTerm" : "lblTerm2");
    m_controls.term->setFont(bold);
    m_controls.term->setGeometry(201, 168, 112, kLabelHeight);
    // Read on its own, the caption would be heard before the line that
    // already holds it.
    m_controls.termCaption->setBuddy(m_controls.term);
    setTermText(tr("360 months"));

    m_controls.payment = addNumericField(kPayment, loan);
    m_controls.totalInterest = addNumericField(kInterestPaid, loan);
    m_controls.totalTaxes = addNumericField(kTaxesPaid, loan);
    m_controls.totalInsurance = addNumericField(kInsurancePaid, loan);
    m_controls.totalPaid = addNumericField(kTotalPaid, loan);

    const std::array<QWidget*, 6> tabOrder{m_controls.amount,      m_controls.frequency,
                                           m_controls.payments,    m_controls.rate,
                                           m_controls.annualTaxes, m_controls.annualInsurance};
    for (std::size_t k = 1; k < tabOrder.size(); ++k)
        setTabOrder(tabOrder[k - 1], tabOrder[k]);
}

TNumericField* LoanPanel::addNumericField(const LoanPanelRow& row, WhichLoan loan) {
    auto* field = new TNumericField(m_format, this);
    field->setObjectName(nameFor(row.name, loan));
    field->setDataType(formatOf(row.kind).type);
    field->setPictureMask(toQString(formatOf(row.kind).mask));
    field->setColor(row.role == Role::Input ? Qt::white : Qt::yellow);
    if (row.role == Role::ReadOut) {
        field->setFocusPolicy(Qt::ClickFocus);
        markAsResult(field);
    }
    field->setGeometry(kControlLeft, row.controlTop, kControlWidth, kControlHeight);
    setHint(field, tr(row.hint[indexOf(loan)]));
    QLabel* label =
        addLabel(this, captionOf(row, m_format), kLabelRight, row.labelTop[indexOf(loan)]);
    label->setBuddy(field);
    connect(field, &TNumericField::OnExit, this,
            [this] { recalculateOnItsOwn(RecalcSource::Other); });
    return field;
}

QComboBox* LoanPanel::addFrequencyBox(WhichLoan loan) {
    auto* box = new QComboBox(this);
    box->setObjectName(nameFor("cbFrequency%1", loan));
    // What setEditable(true) does, less making the drop-down list at once:
    // Qt makes it there for the non-editable box the style still sees, and
    // it would cost every start its list view until the user first opens it.
    auto* edit = new QLineEdit(box);
    edit->setPalette(box->palette());
    box->setLineEdit(edit);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    for (const PaymentFrequency& f : kPaymentFrequencies)
        if (f.inList)
            box->addItem(translated(kFrequencyContext, f.caption));
    box->setMaxVisibleItems(9);
    box->setGeometry(kControlLeft, 39, kControlWidth, kControlHeight);
    setHint(box, tr("Choose payment frequency"));
    addLabel(this, tr("Payment Frequency"), kLabelRight, 41)->setBuddy(box);
    // Only the user's own edits and choices recalculate; the program sets the
    // text without a recalculation (start-up, Reset, the error handler).
    connect(box->lineEdit(), &QLineEdit::textEdited, this,
            [this] { recalculateOnItsOwn(RecalcSource::FrequencyBox); });
    connect(box, &QComboBox::activated, this,
            [this] { recalculateOnItsOwn(RecalcSource::FrequencyBox); });
    box->installEventFilter(this);
    return box;
}

void LoanPanel::startFrom(const LoanEntry& saved) {
    m_state = startingState(saved);
    showInputs(saved, InputSet::All);
    m_controls.payment->setFloatValue(saved.payment);
}

void LoanPanel::restoreInputs(const LoanEntry& entry, InputSet which) {
    showInputs(entry, which);
    m_state.FrequencyIndex = kDefaultFrequencyIndex;
}

void LoanPanel::showInputs(const LoanEntry& entry, InputSet which) {
    m_controls.amount->setFloatValue(entry.amount);
    m_controls.rate->setFloatValue(entry.annualRatePercent);
    m_controls.payments->setIntegerValue(entry.payments);
    setFrequencyText(toQString(entry.frequency));
    if (which == InputSet::All) {
        m_controls.annualTaxes->setFloatValue(entry.annualTaxes);
        m_controls.annualInsurance->setFloatValue(entry.annualInsurance);
    }
}

void LoanPanel::setFrequencyText(const QString& caption) {
    // The list's current entry follows the text, so that the arrow keys and
    // the opened list start from what is shown.
    QComboBox* box = m_controls.frequency;
    const QString text = translated(kFrequencyContext, toU16String(caption));
    if (const int entry = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        entry >= 0)
        box->setCurrentIndex(entry);
    box->setEditText(text);
}

QString LoanPanel::frequencyText() const {
    // The box shows the captions translated, and takes a typed English one too.
    const QString shown = m_controls.frequency->currentText();
    for (const PaymentFrequency& f : kPaymentFrequencies)
        if (shown == translated(kFrequencyContext, f.caption))
            return toQString(f.caption);
    return shown;
}

bool LoanPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_controls.frequency || event->type() != QEvent::FocusOut)
        return QFrame::eventFilter(watched, event);
    // The box is left only for another control of this window: its own list
    // opening, or another window becoming active, leaves it where it is.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        recalculateOnItsOwn(RecalcSource::FrequencyBox);
    return QFrame::eventFilter(watched, event);
}

void LoanPanel::recalculate(RecalcSource source) {
    const auto caption = toU16String(frequencyText());
    if (source == RecalcSource::FrequencyBox && !frequencyIndexOf(caption))
        setFrequencyText(toQString(kDefaultFrequencyCaption));

    LoanValues values = startWorkingOut(m_state, entry(), m_format.DecimalMark());
    setTermText(shownTerm(values.term));
    finishWorkingOut(m_state, values);
    showResults(values.results);
    m_values = std::move(values);
    emit workedOut(m_values);
}

void LoanPanel::recalculateOnItsOwn(RecalcSource source) {
    const QString heardBefore = resultsSentence();
    if (!m_onError) {
        recalculate(source);
    } else {
        try {
            recalculate(source);
        } catch (const std::exception& error) {
            m_onError(error);
            return;
        }
    }
    // The read-outs change where the focus is not, so screen readers would
    // not say them: the new payment and term are told, once. An input refused
    // on leaving reads as 0 while its error is on its way: the figures of that
    // 0 are not told, the error is.
    const TNumericField* const inputs[] = {m_controls.amount, m_controls.payments, m_controls.rate,
                                           m_controls.annualTaxes, m_controls.annualInsurance};
    if (std::any_of(std::begin(inputs), std::end(inputs),
                    [](const TNumericField* field) { return field->LastValidationCode() != 0; }))
        return;
    if (const QString sentence = resultsSentence(); sentence != heardBefore)
        announce(this, sentence);
}

QString LoanPanel::resultsSentence() const {
    QString term = m_controls.term->text().trimmed();
    if (term.endsWith(u'.'))
        term.chop(1);
    return tr("%1: payment %2, %3")
        .arg(m_controls.title->text(), m_controls.payment->text().trimmed(), term);
}

LoanEntry LoanPanel::entry() const {
    LoanEntry entry;
    entry.amount = m_controls.amount->FloatValue();
    entry.frequency = toU16String(frequencyText());
    entry.payments = m_controls.payments->IntegerValue();
    entry.annualRatePercent = m_controls.rate->FloatValue();
    entry.annualTaxes = m_controls.annualTaxes->FloatValue();
    entry.annualInsurance = m_controls.annualInsurance->FloatValue();
    entry.payment = m_controls.payment->FloatValue();
    return entry;
}

void LoanPanel::setTermText(const QString& text) {
    m_controls.term->setText(text);
    // The line is drawn as two labels but heard as one sentence, and it is
    // what tells the panel's loan apart beyond its number.
    const QString sentence = QStringLiteral("%1 %2").arg(m_controls.termCaption->text(), text);
    m_controls.term->setAccessibleName(sentence);
    setAccessibleDescription(sentence);
}

void LoanPanel::showResults(const LoanResults& results) {
    m_controls.payment->setFloatValue(results.payment);
    m_controls.totalPaid->setFloatValue(results.totalPaid);
    m_controls.totalInterest->setFloatValue(results.totalInterest);
    m_controls.totalTaxes->setFloatValue(results.totalTaxes);
    m_controls.totalInsurance->setFloatValue(results.totalInsurance);
}

} // namespace paysmith
