#include "compare/page/comparepage.h"

#include "base/accessible/announcer.h"
#include "base/hint/hint.h"
#include "base/qt/qtstrings.h"
#include "base/qt/wholefile.h"
#include "compare/core/comparecsv.h"
#include "compare/core/costseries.h"
#include "figures/kit/documentoutput.h"
#include "figures/kit/figuresdocument.h"
#include "figures/kit/figurestable.h"
#include "figures/kit/moneytext.h"
#include "figures/kit/yearschart.h"
#include "numfield/text/rangerecord.h"
#include "numfield/widget/fieldalerts.h"
#include "numfield/widget/numericfield.h"
#include "schedule/core/extrarefusal.h"
#include "schedule/core/schedule.h"
#include "schedule/wording/schedulewords.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <type_traits>

namespace paysmith {

namespace {

constexpr std::u16string_view kYearsMask = u"###.##";
constexpr std::u16string_view kRateMask = u"###.###";

enum Row {
    ClosingRow,
    RateRow,
    CostRow,
    BalanceRow,
    PayoffPeriodsRow,
    PayoffYearsRow,
    InterestRow,
    SavedRow,
    kRows
};

// Validation codes of the extras' own refusals, beyond the field's.
constexpr int kExtrasRefused = 1000;

// A row's figure of each loan, and of Loan 2 less Loan 1 when both have one.
struct RowFigures {
    std::array<std::optional<double>, 2> loans;

    std::optional<double> difference() const {
        if (!loans[0] || !loans[1])
            return std::nullopt;
        return *loans[1] - *loans[0];
    }
};

int loanNumber(WhichLoan loan) {
    return loan == WhichLoan::Loan1 ? 1 : 2;
}

std::optional<double> units(const std::optional<std::int64_t>& cents) {
    if (!cents)
        return std::nullopt;
    return static_cast<double>(*cents) / 100.0;
}

QString wordsText(const ExtrasWords& words) {
    return translatedWithNumbers("paysmith::Schedule", words.text, words.numbers);
}

} // namespace

ComparePage::ComparePage(const TIntlSupport& format, AprMethod regionMethod, QWidget* parent)
    : QWidget(parent), m_format(format), m_regionMethod(regionMethod) {}

ComparePage::~ComparePage() = default;

void ComparePage::setLoan(int loan, const LoanValues& values) {
    m_loans[static_cast<std::size_t>(loan)] = scheduleInputsOf(values);
    m_stale = true;
    if (isBuilt() && isVisible())
        refresh();
}

void ComparePage::setInputs(const ComparisonInputs& inputs) {
    m_inputs = inputs;
    m_keepYearsEdited = false;
    m_refusalTold = {};
    m_stale = true;
    for (int loan = 0; loan < 2; ++loan)
        emit extrasChanged(loan, extrasOf(m_inputs.offers[static_cast<std::size_t>(loan)]));
    if (isBuilt()) {
        showInputs();
        if (isVisible())
            refresh();
    }
}

Offer ComparePage::offer(int loan) const {
    const auto k = static_cast<std::size_t>(loan);
    return offerOf(m_loans[k], m_inputs.offers[k]);
}

Comparison ComparePage::comparison() const {
    const Offer one = offer(0);
    const Offer two = offer(1);
    return compareOffers(one, two, keepYearsOf(m_inputs, one, two));
}

void ComparePage::showEvent(QShowEvent* event) {
    if (!isBuilt())
        build();
    if (m_stale)
        refresh();
    QWidget::showEvent(event);
}

// Every field of the page is made here and nowhere else, so that an option
// all of them should have is set in this one place.
TNumericField* ComparePage::addField(const char* name, TNumericDataType type, const char* mask,
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
    connect(field, &TNumericField::OnExit, this, [this] { takeEntries(); });
    return field;
}

void ComparePage::build() {
    using enum TNumericDataType;
    QFont small = font();
    small.setPixelSize(11);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);

    // The offer's terms on the left, paying early on the right, a column a
    // loan in each.
    auto* entries = new QGridLayout;
    entries->setHorizontalSpacing(6);
    entries->setVerticalSpacing(3);
    const auto caption = [&](const QString& text, int row, int column, QWidget* buddy) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        entries->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
    };
    for (int loan = 0; loan < 2; ++loan) {
        const auto k = static_cast<std::size_t>(loan);
        const QString name = loan == 0 ? tr("Loan 1") : tr("Loan 2");
        for (const int column : {loan + 1, loan + 4})
            entries->addWidget(new QLabel(name, this), 0, column, Qt::AlignCenter);
        m_fees[k] =
            addField(loan == 0 ? "edtFees1" : "edtFees2", nftDouble, "###,###,###.##",
                     tr("Fees of %1 paid at closing, counted as a cost of borrowing").arg(name));
        m_points[k] =
            addField(loan == 0 ? "edtPoints1" : "edtPoints2", nftDouble, "##.###",
                     tr("Points of %1 paid at closing, in percent of the amount").arg(name));
        m_extra[k] = addField(loan == 0 ? "edtExtra1" : "edtExtra2", nftDouble, "###,###,###.##",
                              tr("Paid to principal with every payment of %1").arg(name));
        m_lump[k] = addField(loan == 0 ? "edtLump1" : "edtLump2", nftDouble, "###,###,###.##",
                             tr("Paid to principal once, with the payment named beside it"));
        m_lumpPeriod[k] = addField(
            loan == 0 ? "edtLumpPeriod1" : "edtLumpPeriod2", nftInteger, "iiiiii",
            tr("The payment of %1 that the lump sum goes with; 0 for no lump sum").arg(name));
        for (TNumericField* field : {m_extra[k], m_lump[k], m_lumpPeriod[k]})
            guardExtras(field, loan);
        entries->addWidget(m_fees[k], 1, loan + 1);
        entries->addWidget(m_points[k], 2, loan + 1);
        entries->addWidget(m_extra[k], 1, loan + 4);
        entries->addWidget(m_lump[k], 2, loan + 4);
        entries->addWidget(m_lumpPeriod[k], 3, loan + 4);
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
    row(tr("Closing f&ees"), 1, 0, m_fees);
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
        m_inputs.method = static_cast<AprMethod>(m_method->itemData(index).toInt());
        refresh();
    });
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
    layout->addLayout(entries);

    m_table = figuresTable(this, "twCompare", kRows);
    m_table->setAccessibleName(tr("Both offers compared"));
    setHint(m_table, tr("What each offer costs, with its fees and points, and what paying early "
                        "saves"));

    m_chart = new YearsChartWidget(m_format, this);
    m_chart->setObjectName("chtCost");
    m_chart->setFont(small);
    m_chart->setTitle(tr("Cost of borrowing against years"));
    m_chart->setLegendCorner(LegendCorner::TopLeft);
    setHint(m_chart, tr("Fees, points and interest paid so far by each loan"));
    // The table as wide as its figures, the chart the rest.
    m_chart->setMinimumWidth(200);
    auto* figures = new QHBoxLayout;
    figures->addWidget(m_table, 0, Qt::AlignTop);
    figures->addWidget(m_chart, 1);
    layout->addLayout(figures, 1);

    auto* bottom = new QHBoxLayout;
    m_crossover = new QLabel(this);
    m_crossover->setObjectName("lblCrossover");
    m_crossover->setWordWrap(true);
    bottom->addWidget(m_crossover, 1);
    addPageButtons(
        bottom, this,
        {{"btnCompareExport", tr("&Export..."),
          tr("Save the comparison as a CSV file for a spreadsheet"),
          [this] { exportComparison(); }},
         {"btnComparePrint", tr("&Print..."), tr("Print the comparison"), [this] { printPage(); }},
         {"btnComparePdf", tr("P&DF..."), tr("Save the comparison as a PDF file"),
          [this] { savePdf(); }}});
    layout->addLayout(bottom);

    showInputs();
}

void ComparePage::guardExtras(TNumericField* field, int loan) {
    // A value that would make the extras meaningless is refused at the field
    // with its reason, as a value out of range is. Where another field's value
    // is as much to blame, the field keeps the focus only until the user has
    // been told: after that the focus may go to correct either field, and the
    // note beside them says why the extras do not count until then.
    const auto k = static_cast<std::size_t>(loan);
    field->model().OnUserValidation = [this, k, loan](TNumericFieldModel&, int& code) {
        if (code != 0)
            return;
        const ExtraPayments shown = extrasOf(shownTerms(loan));
        const auto refusal = refusalOfExtras(m_loans[k], shown);
        if (refusal && !(liftedByEitherField(*refusal) && m_refusalTold[k] == shown))
            code = kExtrasRefused + static_cast<int>(*refusal);
    };
    connect(field, &TNumericField::OnError, this,
            [this, field, k, loan](int code, const QString& message) {
                if (code < kExtrasRefused) {
                    fieldAlerts().showError(field, message);
                    return;
                }
                const auto refusal = static_cast<ExtraRefusal>(code - kExtrasRefused);
                const ExtraPayments shown = extrasOf(shownTerms(loan));
                if (liftedByEitherField(refusal))
                    m_refusalTold[k] = shown;
                fieldAlerts().showError(field, wordsText(refusalWords(refusal, m_loans[k], shown)));
            });
}

OfferTerms ComparePage::shownTerms(int loan) const {
    const auto k = static_cast<std::size_t>(loan);
    OfferTerms terms = m_inputs.offers[k];
    terms.extraPerPeriod = m_extra[k]->model().shownValue();
    terms.lumpSum = m_lump[k]->model().shownValue();
    terms.lumpPeriod = static_cast<std::int32_t>(m_lumpPeriod[k]->model().shownValue());
    return terms;
}

void ComparePage::showInputs() {
    for (std::size_t k = 0; k < 2; ++k) {
        const OfferTerms& terms = m_inputs.offers[k];
        m_fees[k]->setFloatValue(terms.fees);
        m_points[k]->setFloatValue(terms.pointsPercent);
        m_extra[k]->setFloatValue(terms.extraPerPeriod);
        m_lump[k]->setFloatValue(terms.lumpSum);
        m_lumpPeriod[k]->setIntegerValue(terms.lumpPeriod);
    }
    m_method->setCurrentIndex(m_method->findData(static_cast<int>(shownMethod())));
}

void ComparePage::takeEntries() {
    // A refused entry, which reads as 0, leaves the value it would replace.
    const auto take = [](TNumericField* field, auto& value) {
        const double read = field->FloatValue();
        if (field->LastValidationCode() == 0)
            value = static_cast<std::remove_reference_t<decltype(value)>>(read);
        return field->LastValidationCode() == 0;
    };
    for (std::size_t k = 0; k < 2; ++k) {
        OfferTerms& terms = m_inputs.offers[k];
        const OfferTerms before = terms;
        take(m_fees[k], terms.fees);
        take(m_points[k], terms.pointsPercent);
        // The extras count together or not at all: one refused for another's
        // value waits until either is corrected.
        OfferTerms entered = terms;
        const bool read = take(m_extra[k], entered.extraPerPeriod) &&
                          take(m_lump[k], entered.lumpSum) &&
                          take(m_lumpPeriod[k], entered.lumpPeriod);
        if (read && !refusalOfExtras(m_loans[k], extrasOf(entered))) {
            terms = enteredTerms(before, entered);
            m_refusalTold[k].reset();
            if (terms.lumpSum != entered.lumpSum)
                m_lump[k]->setFloatValue(terms.lumpSum);
        }
        if (extrasOf(terms) != extrasOf(before))
            emit extrasChanged(static_cast<int>(k), extrasOf(terms));
    }
    // Only a span the user typed is kept; until then it follows the loans.
    if (m_keepYearsEdited && m_keepYears->FloatValue() >= kMinKeepYears)
        m_inputs.keepYears = m_keepYears->FloatValue();
    m_keepYearsEdited = false;
    refresh();
}

void ComparePage::refresh() {
    m_stale = false;
    const Offer offers[] = {offer(0), offer(1)};
    const Comparison result =
        compareOffers(offers[0], offers[1], keepYearsOf(m_inputs, offers[0], offers[1]));
    const double longest =
        std::max({kMinKeepYears, termYearsOf(offers[0].loan), termYearsOf(offers[1].loan)});
    m_keepYears->model().setRangeHi(rangeRecordOf(TNumericDataType::nftDouble, longest));
    if (!m_keepYears->hasFocus())
        m_keepYears->setFloatValue(result.keepYears);

    const MoneyText money(m_format, MoneyText::kTotalMask);
    const AprMethod method = shownMethod();
    std::array<RowFigures, kRows> rows{};
    for (std::size_t k = 0; k < 2; ++k) {
        const OfferFigures& figures = result.offers[k];
        rows[ClosingRow].loans[k] = units(figures.closingCents);
        if (figures.rates)
            rows[RateRow].loans[k] =
                method == AprMethod::EU ? figures.rates->aprcPercent : figures.rates->aprPercent;
        if (figures.kept) {
            rows[CostRow].loans[k] = units(figures.kept->costCents);
            rows[BalanceRow].loans[k] = units(figures.kept->balanceCents);
        }
        if (figures.payoff) {
            rows[PayoffPeriodsRow].loans[k] = figures.payoff->periods;
            rows[PayoffYearsRow].loans[k] = figures.payoff->years();
            rows[InterestRow].loans[k] = units(figures.payoff->totalInterestCents);
            rows[SavedRow].loans[k] = units(figures.payoff->interestSavedCents);
        }
    }
    const QString years = money.ofNumber(result.keepYears, kYearsMask);
    const QString captions[kRows] = {tr("Fees and points"),
                                     method == AprMethod::EU ? tr("APRC (%)") : tr("APR (%)"),
                                     tr("Cost of borrowing if kept %1 years").arg(years),
                                     tr("Balance still owed then"),
                                     tr("Payments until paid off"),
                                     tr("Years until paid off"),
                                     tr("Interest with extra payments"),
                                     tr("Interest saved by extra payments")};
    for (int row = 0; row < kRows; ++row) {
        const RowFigures& figures = rows[static_cast<std::size_t>(row)];
        QStringList texts;
        for (const std::optional<double>& value :
             {figures.loans[0], figures.loans[1], figures.difference()}) {
            if (!value)
                texts << QStringLiteral("—");
            else if (row == RateRow)
                texts << money.ofNumber(*value, kRateMask);
            else if (row == PayoffYearsRow)
                texts << money.ofNumber(*value, kYearsMask);
            else if (row == PayoffPeriodsRow)
                texts << QString::number(static_cast<std::int64_t>(*value));
            else
                texts << money.ofUnits(*value);
        }
        setFiguresRow(m_table, row, captions[row], texts);
    }
    m_crossover->setText(crossoverText(result));
    showExtrasNote();

    std::vector<ChartMark> marks{{result.keepYears, tr("kept")}};
    if (result.crossover)
        for (const Crossing& crossing : result.crossover->crossings)
            marks.push_back(
                {crossing.years, tr("Loan %1 cheaper").arg(loanNumber(crossing.cheaper))});
    m_chart->setMarks(std::move(marks));
    for (int loan = 0; loan < 2; ++loan) {
        std::vector<QPointF> points;
        for (const CostPoint& p : costSoFarSeries(result.offers[loan].path))
            points.emplace_back(p.years, static_cast<double>(p.cents) / 100.0);
        m_chart->setSeries(loan, std::move(points));
        m_chart->setMissing(loan, missingPathText(result, loan));
    }
}

void ComparePage::showExtrasNote() {
    QStringList lines;
    for (int loan = 0; loan < 2; ++loan) {
        const ExtrasWords words =
            extrasNote(m_loans[static_cast<std::size_t>(loan)], extrasOf(shownTerms(loan)));
        if (!words.empty())
            lines << tr("Loan %1: %2").arg(QString::number(loan + 1), wordsText(words));
    }
    const QString note = lines.join(u'\n');
    // Said where the focus is not, so a screen reader is told as it changes.
    if (note != m_extrasNote->text() && !note.isEmpty())
        announce(this, note);
    m_extrasNote->setText(note);
    m_extrasNote->setVisible(!note.isEmpty());
}

QString ComparePage::missingPathText(const Comparison& comparison, int loan) const {
    const auto k = static_cast<std::size_t>(loan);
    if (comparison.offers[k].path)
        return {};
    // Which loan, and why, in the words the Schedule page uses.
    const QString reason = noScheduleMessage(
        noScheduleWords(loan + 1, m_loans[k], lenderSchedule(m_loans[k]).reason), m_format);
    return reason.isEmpty() ? tr("Loan %1's fees and points are too large to count.").arg(loan + 1)
                            : reason;
}

QString ComparePage::crossoverText(const Comparison& comparison) const {
    const std::optional<KeptLead> lead = keptLeadOf(comparison);
    if (!lead) {
        QStringList why;
        for (int loan = 0; loan < 2; ++loan)
            why << missingPathText(comparison, loan);
        why.removeAll(QString());
        return tr("The costs over time cannot be compared.") + u' ' + why.join(u' ');
    }
    const MoneyText money(m_format);
    const QString kept = money.ofNumber(comparison.keepYears, kYearsMask);
    QString text =
        lead->cheaper
            ? tr("Kept %1 years, Loan %2 costs less.").arg(kept).arg(loanNumber(*lead->cheaper))
            : tr("Kept %1 years, both offers cost the same.").arg(kept);
    if (lead->later.empty())
        return lead->cheaper ? text + u' ' + tr("Kept longer, it stays the cheaper one.") : text;
    QStringList changes;
    for (const Crossing& crossing : lead->later)
        changes << tr("Loan %1 from %2 years on")
                       .arg(loanNumber(crossing.cheaper))
                       .arg(money.ofNumber(crossing.years, kYearsMask));
    return text + u' ' +
           tr("Kept longer, the cheaper one changes: %1.").arg(changes.join(QStringLiteral(", ")));
}

void ComparePage::exportComparison() {
    const Offer one = offer(0);
    const Offer two = offer(1);
    const std::string csv = comparisonCsv(one, two, comparison());
    saveCsv(this, tr("Export Comparison"), tr("loans-compared.csv"),
            [&csv](const QString& path) { return writeWholeFile(path, csv).written; });
}

FiguresDocument ComparePage::document() {
    if (!isBuilt())
        build();
    if (m_stale)
        refresh();
    const MoneyText money(m_format);
    FiguresDocument document;
    document.title = tr("Which offer costs less");
    PrintedTable& inputs = document.inputs;
    inputs.header = {QString(), tr("Loan 1"), tr("Loan 2")};
    inputs.alignments = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight};
    // The lines are the same for both loans.
    const auto one = inputLines(m_loans[0]);
    const auto two = inputLines(m_loans[1]);
    for (std::size_t k = 0; k < one.size(); ++k)
        inputs.rows.push_back(
            {translated("paysmith::ScheduleDocument", std::string_view(one[k].caption)),
             inputText(one[k], money), inputText(two[k], money)});
    inputs.rows.push_back({tr("Closing fees"), money.ofUnits(m_inputs.offers[0].fees),
                           money.ofUnits(m_inputs.offers[1].fees)});
    // The whole span the figures are for.
    const QString years = money.ofNumber(keepYearsOf(m_inputs, offer(0), offer(1)), kYearsMask);
    inputs.rows.push_back({tr("Years kept"), years, years});
    const auto& [terms1, terms2] = m_inputs.offers;
    inputs.rows.push_back({tr("Points (% of the amount)"),
                           money.ofNumber(terms1.pointsPercent, kRateMask),
                           money.ofNumber(terms2.pointsPercent, kRateMask)});
    inputs.rows.push_back({tr("Extra each payment"), money.ofUnits(terms1.extraPerPeriod),
                           money.ofUnits(terms2.extraPerPeriod)});
    const auto lump = [&](const OfferTerms& terms) {
        return tr("%1 with payment %2").arg(money.ofUnits(terms.lumpSum)).arg(terms.lumpPeriod);
    };
    inputs.rows.push_back({tr("Lump sum"), lump(terms1), lump(terms2)});
    document.summaryTitle = tr("Both offers compared");
    document.summary = printedTable(*m_table->model(), RowCaptions::FromVerticalHeader);
    document.summaryNote = m_crossover->text();
    document.chart = m_chart->chart();
    return document;
}

void ComparePage::printPage() {
    printDocument(this, [this] { return document(); });
}

void ComparePage::savePdf() {
    saveDocumentAsPdf(this, tr("loans-compared.pdf"), [this] { return document(); });
}

} // namespace paysmith
