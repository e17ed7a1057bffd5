#include "compare/page/comparisonview.h"

#include "base/hint/hint.h"
#include "compare/core/costseries.h"
#include "compare/page/comparemasks.h"
#include "figures/kit/figurestable.h"
#include "figures/kit/moneytext.h"
#include "figures/kit/yearschart.h"
#include "schedule/wording/schedulewords.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>

namespace paysmith {

namespace {

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

// A row's figure of each loan, and of Loan 2 less Loan 1 when both have one.
struct RowFigures {
    std::array<std::optional<double>, 2> loans;

    std::optional<double> difference() const {
        if (!loans[0] || !loans[1])
            return std::nullopt;
        return *loans[1] - *loans[0];
    }
};

std::optional<double> units(const std::optional<std::int64_t>& cents) {
    if (!cents)
        return std::nullopt;
    return static_cast<double>(*cents) / 100.0;
}

} // namespace

ComparisonView::ComparisonView(const TIntlSupport& format, QWidget* parent)
    : QWidget(parent), m_format(format) {
    m_table = figuresTable(this, "twCompare", kRows);
    m_table->setAccessibleName(tr("Both offers compared"));
    setHint(m_table, tr("What each offer costs, with its fees and points, and what paying early "
                        "saves"));

    QFont small = font();
    small.setPixelSize(11);
    m_chart = new YearsChartWidget(m_format, this);
    m_chart->setObjectName("chtCost");
    m_chart->setFont(small);
    m_chart->setTitle(tr("Cost of borrowing against years"));
    m_chart->setLegendCorner(LegendCorner::TopLeft);
    setHint(m_chart, tr("Fees, points and interest paid so far by each loan"));
    // The table as wide as its figures, the chart the rest.
    m_chart->setMinimumWidth(200);
    auto* figures = new QHBoxLayout(this);
    figures->setContentsMargins(0, 0, 0, 0);
    figures->addWidget(m_table, 0, Qt::AlignTop);
    figures->addWidget(m_chart, 1);

    m_sentence = new QLabel(this);
    m_sentence->setObjectName("lblCrossover");
    m_sentence->setWordWrap(true);
    // The sentence is the page's conclusion: a keyboard or screen reader user
    // reaches it by Tab after the table, and may copy it.
    m_sentence->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_sentence->setFocusPolicy(Qt::TabFocus);
}

void ComparisonView::showComparison(const Offers& offers, AprMethod method) {
    const Comparison& result = offers.comparison();
    const MoneyText money(m_format, MoneyText::kTotalMask);
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
    QStringList spoken;
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
    const auto cell = [&](int row, WhichLoan loan) {
        return m_table->item(row, static_cast<int>(indexOf(loan)))->text();
    };
    for (const WhichLoan loan : kBothLoans)
        spoken << tr("Loan %1: %2 %3 %, cost %4, balance then %5.")
                      .arg(QString::number(numberOf(loan)),
                           method == AprMethod::EU ? tr("APRC") : tr("APR"), cell(RateRow, loan),
                           cell(CostRow, loan), cell(BalanceRow, loan));
    m_sentence->setText(sentenceText(offers));
    spoken << m_sentence->text();
    m_spoken = spoken.join(u' ');

    std::vector<ChartMark> marks{{result.keepYears, tr("kept")}};
    if (result.crossover)
        for (const Crossing& crossing : result.crossover->crossings)
            marks.push_back(
                {crossing.years, tr("Loan %1 cheaper").arg(numberOf(crossing.cheaper))});
    m_chart->setMarks(std::move(marks));
    for (const WhichLoan loan : kBothLoans) {
        std::vector<QPointF> points;
        for (const CostPoint& p : costSoFarSeries(result.offers[indexOf(loan)].path))
            points.emplace_back(p.years, static_cast<double>(p.cents) / 100.0);
        const auto series = static_cast<int>(indexOf(loan));
        m_chart->setSeries(series, std::move(points));
        m_chart->setMissing(series, missingPathText(offers, loan));
    }
}

QString ComparisonView::missingPathText(const Offers& offers, WhichLoan loan) const {
    const std::shared_ptr<const WorkedOffer> offer = offers.offer(loan);
    if (offer->figures.path)
        return {};
    // Which loan, and why, in the words the Schedule page uses.
    const QString reason = noScheduleMessage(
        noScheduleWords(loan, offer->offer.loan, offer->schedules.contract.reason), m_format);
    return reason.isEmpty()
               ? tr("Loan %1's fees and points are too large to count.").arg(numberOf(loan))
               : reason;
}

QString ComparisonView::sentenceText(const Offers& offers) const {
    const Comparison& comparison = offers.comparison();
    const std::optional<KeptLead> lead = keptLeadOf(comparison);
    if (!lead) {
        QStringList why;
        for (const WhichLoan loan : kBothLoans)
            why << missingPathText(offers, loan);
        why.removeAll(QString());
        return tr("The costs over time cannot be compared.") + u' ' + why.join(u' ');
    }
    const MoneyText money(m_format);
    const QString kept = money.ofNumber(comparison.keepYears, kYearsMask);
    QString text =
        lead->cheaper
            ? tr("Kept %1 years, Loan %2 costs less.").arg(kept).arg(numberOf(*lead->cheaper))
            : tr("Kept %1 years, both offers cost the same.").arg(kept);
    if (lead->later.empty())
        return lead->cheaper ? text + u' ' + tr("Kept longer, it stays the cheaper one.") : text;
    QStringList changes;
    for (const Crossing& crossing : lead->later)
        changes << tr("Loan %1 from %2 years on")
                       .arg(numberOf(crossing.cheaper))
                       .arg(money.ofNumber(crossing.years, kYearsMask));
    return text + u' ' +
           tr("Kept longer, the cheaper one changes: %1.").arg(changes.join(QStringLiteral(", ")));
}

} // namespace paysmith
