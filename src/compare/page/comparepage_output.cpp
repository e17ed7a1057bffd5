// The Compare page's output: the comparison on paper, as PDF and as CSV.

#include "compare/page/comparepage.h"

#include "base/qt/qtstrings.h"
#include "base/qt/wholefile.h"
#include "compare/core/comparecsv.h"
#include "compare/model/offersmodel.h"
#include "compare/page/comparemasks.h"
#include "compare/page/comparisonview.h"
#include "figures/kit/documentoutput.h"
#include "figures/kit/moneytext.h"
#include "figures/kit/yearschart.h"
#include "schedule/wording/schedulewords.h"

#include <QLabel>
#include <QTableWidget>

namespace paysmith {

FiguresDocument ComparePage::document() {
    makeCurrent();
    const Offers& offers = m_offers.offers();
    const ComparisonView& view = *m_view;
    const MoneyText money(m_format);
    FiguresDocument document;
    document.title = tr("Which offer costs less");
    PrintedTable& inputs = document.inputs;
    inputs.header = {QString(), tr("Loan 1"), tr("Loan 2")};
    inputs.alignments = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight};
    // The lines are the same for both loans.
    const auto one = inputLines(offers.loan(WhichLoan::Loan1));
    const auto two = inputLines(offers.loan(WhichLoan::Loan2));
    for (std::size_t k = 0; k < one.size(); ++k)
        inputs.rows.push_back(
            {translated("paysmith::ScheduleDocument", std::string_view(one[k].caption)),
             inputText(one[k], money), inputText(two[k], money)});
    const auto& [terms1, terms2] = offers.inputs().offers;
    inputs.rows.push_back(
        {tr("Closing fees"), money.ofUnits(terms1.fees), money.ofUnits(terms2.fees)});
    // The whole span the figures are for.
    const QString years = money.ofNumber(offers.keepYears(), kYearsMask);
    inputs.rows.push_back({tr("Years kept"), years, years});
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
    document.summary = printedTable(*view.table()->model(), RowCaptions::FromVerticalHeader);
    document.summaryNote = view.sentence()->text();
    document.chart = view.chart()->chart();
    return document;
}

void ComparePage::exportComparison() {
    const Offers& offers = m_offers.offers();
    const std::string csv =
        comparisonCsv(offers.offer(WhichLoan::Loan1)->offer, offers.offer(WhichLoan::Loan2)->offer,
                      offers.comparison());
    saveCsv(this, tr("Export Comparison"), tr("loans-compared.csv"),
            [&csv](const QString& path) { return writeWholeFile(path, csv).written; });
}

void ComparePage::printPage() {
    printDocument(this, [this] { return document(); });
}

void ComparePage::savePdf() {
    saveDocumentAsPdf(this, tr("loans-compared.pdf"), [this] { return document(); });
}

} // namespace paysmith
