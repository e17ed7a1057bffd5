#include "compare/page/compareentries.h"

#include "base/accessible/announcer.h"
#include "base/accessible/comboaccessible.h"
#include "base/hint/hint.h"
#include "compare/page/extrasguard.h"
#include "numfield/text/rangerecord.h"
#include "numfield/widget/numericfield.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include <type_traits>

namespace paysmith {

CompareEntries::CompareEntries(const TIntlSupport& format, LoanOf loan, QWidget* parent)
    : QWidget(parent), m_format(format) {
    using enum TNumericDataType;
    // The offer's terms on the left, paying early on the right, a column a
    // loan in each.
    auto* entries = new QGridLayout(this);
    entries->setContentsMargins(0, 0, 0, 0);
    entries->setHorizontalSpacing(6);
    entries->setVerticalSpacing(3);
    const auto caption = [&](const QString& text, int row, int column, QWidget* buddy) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        entries->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
    };
    for (const WhichLoan which : kBothLoans) {
        const std::size_t k = indexOf(which);
        const int number = static_cast<int>(k);
        const QString name = which == WhichLoan::Loan1 ? tr("Loan 1") : tr("Loan 2");
        for (const int column : {number + 1, number + 4})
            entries->addWidget(new QLabel(name, this), 0, column, Qt::AlignCenter);
        m_fees[k] =
            addField(number == 0 ? "edtFees1" : "edtFees2", nftDouble, "###,###,###.##",
                     tr("Fees of %1 paid at closing, counted as a cost of borrowing").arg(name));
        m_points[k] =
            addField(number == 0 ? "edtPoints1" : "edtPoints2", nftDouble, "##.###",
                     tr("Points of %1 paid at closing, in percent of the amount").arg(name));
        m_extra[k] = addField(number == 0 ? "edtExtra1" : "edtExtra2", nftDouble, "###,###,###.##",
                              tr("Paid to principal with every payment of %1").arg(name));
        m_lump[k] = addField(number == 0 ? "edtLump1" : "edtLump2", nftDouble, "###,###,###.##",
                             tr("Paid to principal once, with the payment named beside it"));
        m_lumpPeriod[k] = addField(
            number == 0 ? "edtLumpPeriod1" : "edtLumpPeriod2", nftInteger, "iiiiii",
            tr("The payment of %1 that the lump sum goes with; 0 for no lump sum").arg(name));
        m_guards[k] = new ExtrasGuard(
            m_extra[k], m_lump[k], m_lumpPeriod[k], [loan, which] { return loan(which); }, this);
        entries->addWidget(m_fees[k], 1, number + 1);
        entries->addWidget(m_points[k], 2, number + 1);
        entries->addWidget(m_extra[k], 1, number + 4);
        entries->addWidget(m_lump[k], 2, number + 4);
        entries->addWidget(m_lumpPeriod[k], 3, number + 4);
    }
    // A row's caption labels Loan 1's field; a screen reader names both
    // fields with it and their loan.
    const auto row = [&](const QString& text, int line, int column,
                         const std::array<TNumericField*, 2>& fields) {
        caption(text, line, column, fields[0]);
        const QString plain = QString(text).remove(u'&');
        fields[0]->setAccessibleName(tr("%1, Loan 1").arg(plain));
        fields[1]->setAccessibleName(tr("%1, Loan 2").arg(plain));
    };
    row(tr("&Closing fees"), 1, 0, m_fees);
    row(tr("Poin&ts (%)"), 2, 0, m_points);
    row(tr("E&xtra each payment"), 1, 3, m_extra);
    row(tr("&Lump sum"), 2, 3, m_lump);
    row(tr("with pay&ment no."), 3, 3, m_lumpPeriod);

    m_keepYears = addField("edtKeepYears", nftDouble, "###.##",
                           tr("How long you expect to keep either loan before you sell or "
                              "refinance"));
    m_keepYears->model().setRangeLo(rangeRecordOf(TNumericDataType::nftDouble, kMinKeepYears));
    connect(m_keepYears, &TNumericField::OnChange, this, [this] { m_keepYearsEdited = true; });
    entries->addWidget(m_keepYears, 3, 1);
    caption(tr("Years &kept"), 3, 0, m_keepYears);

    m_method = new QComboBox(this);
    m_method->setObjectName("cbAprMethod");
    m_method->addItem(tr("APR (United States)"), static_cast<int>(AprMethod::US));
    m_method->addItem(tr("APRC (European Union)"), static_cast<int>(AprMethod::EU));
    setHint(m_method, tr("The rate that counts fees and points: the United States' APR or the "
                         "European Union's APRC"));
    connect(m_method, &QComboBox::activated, this, [this](int index) {
        emit methodChosen(static_cast<AprMethod>(m_method->itemData(index).toInt()));
    });
    makeValueHeard(m_method);
    entries->addWidget(m_method, 4, 1, 1, 2);
    caption(tr("&Rate shown as"), 4, 0, m_method);
    entries->setColumnMinimumWidth(3, 8);
    m_extrasNote = new QLabel(this);
    m_extrasNote->setObjectName("lblExtrasNote");
    m_extrasNote->setWordWrap(true);
    entries->addWidget(m_extrasNote, 4, 3, 1, 3);
    // Along the rows, as the fields read.
    QWidget* const chain[] = {m_fees[0],   m_fees[1], m_points[0],     m_points[1],
                              m_keepYears, m_method,  m_extra[0],      m_extra[1],
                              m_lump[0],   m_lump[1], m_lumpPeriod[0], m_lumpPeriod[1]};
    for (std::size_t k = 1; k < std::size(chain); ++k)
        setTabOrder(chain[k - 1], chain[k]);
}

// Every field of the page is made here and nowhere else, so that an option
// all of them should have is set in this one place.
TNumericField* CompareEntries::addField(const char* name, TNumericDataType type, const char* mask,
                                        const QString& hint) {
    auto* field = new TNumericField(m_format, this);
    field->setObjectName(QLatin1String(name));
    field->setDataType(type);
    field->setPictureMask(QLatin1String(mask));
    field->setColor(Qt::white);
    // Most of these fields stay at 0: a click into one starts a new number, as
    // Tab does, rather than adding digits after its decimals.
    TEntryFieldOptions options = field->Options();
    options.include(TEntryFieldOption::efoSelectZeroOnClick);
    field->setOptions(options);
    field->setMinimumWidth(100);
    setHint(field, hint);
    connect(field, &TNumericField::OnExit, this, &CompareEntries::entered);
    return field;
}

void CompareEntries::showInputs(const ComparisonInputs& inputs, AprMethod method) {
    m_keepYearsEdited = false;
    for (std::size_t k = 0; k < 2; ++k) {
        m_guards[k]->forget();
        const OfferTerms& terms = inputs.offers[k];
        m_fees[k]->setFloatValue(terms.fees);
        m_points[k]->setFloatValue(terms.pointsPercent);
        m_extra[k]->setFloatValue(terms.extraPerPeriod);
        m_lump[k]->setFloatValue(terms.lumpSum);
        m_lumpPeriod[k]->setIntegerValue(terms.lumpPeriod);
    }
    m_method->setCurrentIndex(m_method->findData(static_cast<int>(method)));
}

ComparisonInputs CompareEntries::taken(const ComparisonInputs& before) {
    const auto take = [](TNumericField* field, auto& value) {
        const double read = field->FloatValue();
        if (field->LastValidationCode() == 0)
            value = static_cast<std::remove_reference_t<decltype(value)>>(read);
        return field->LastValidationCode() == 0;
    };
    ComparisonInputs inputs = before;
    for (std::size_t k = 0; k < 2; ++k) {
        OfferTerms& terms = inputs.offers[k];
        take(m_fees[k], terms.fees);
        take(m_points[k], terms.pointsPercent);
        // One refused for another's value waits until either is corrected.
        OfferTerms entered = terms;
        const bool read = take(m_extra[k], entered.extraPerPeriod) &&
                          take(m_lump[k], entered.lumpSum) &&
                          take(m_lumpPeriod[k], entered.lumpPeriod);
        if (read && !m_guards[k]->refuses(extrasOf(entered))) {
            terms = enteredTerms(before.offers[k], entered);
            m_guards[k]->forget();
            if (terms.lumpSum != entered.lumpSum)
                m_lump[k]->setFloatValue(terms.lumpSum);
        }
    }
    // Only a span the user typed is kept; until then it follows the loans.
    if (m_keepYearsEdited && m_keepYears->FloatValue() >= kMinKeepYears)
        inputs.keepYears = m_keepYears->FloatValue();
    m_keepYearsEdited = false;
    return inputs;
}

void CompareEntries::showKeepYears(double years, double longest) {
    m_keepYears->model().setRangeHi(rangeRecordOf(TNumericDataType::nftDouble, longest));
    if (!m_keepYears->hasFocus())
        m_keepYears->setFloatValue(years);
}

ExtraPayments CompareEntries::shownExtras(WhichLoan loan) const {
    return m_guards[indexOf(loan)]->shown();
}

void CompareEntries::showExtrasNote(const QString& note) {
    // Said where the focus is not, so a screen reader is told as it changes.
    if (note != m_extrasNote->text() && !note.isEmpty())
        announce(this, note);
    m_extrasNote->setText(note);
    m_extrasNote->setVisible(!note.isEmpty());
}

QString CompareEntries::extrasNote() const {
    return m_extrasNote->text();
}

} // namespace paysmith
