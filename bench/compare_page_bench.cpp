// One refresh of the Compare page as a user sees it: a loan worked out anew
// while the page is shown, through to the page painted again. Both loans are
// daily over the 32,767 payments the payments field allows, each with fees,
// points, an extra each payment and a lump sum, as in compare_bench.cpp.

#include "compare/model/offersmodel.h"
#include "compare/page/comparepage.h"
#include "loan/core/loanvalues.h"
#include "numfield/text/intlsupport.h"

#include <QApplication>
#include <QTableWidget>

#include <benchmark/benchmark.h>

namespace {

using paysmith::LoanValues;

// The loan as its panel works it out.
LoanValues workedOut(const paysmith::TIntlSupport& format, double amount, double rate) {
    paysmith::LoanEntry entry;
    entry.amount = amount;
    entry.frequency = u"Daily 365";
    entry.payments = paysmith::kMaxSchedulePeriods;
    entry.annualRatePercent = rate;
    paysmith::LoanState state;
    LoanValues values = paysmith::startWorkingOut(state, entry, format.DecimalMark());
    paysmith::finishWorkingOut(state, values);
    return values;
}

// Fees, points, extra each payment, lump sum and its payment.
paysmith::ComparisonInputs comparisonInputs() {
    paysmith::ComparisonInputs inputs;
    inputs.offers = {{{1500.0, 1.0, 0.50, 5000.0, 3650}, {3000.0, 0.5, 0.25, 2000.0, 7300}}};
    return inputs;
}

QString costOfLoan1(const paysmith::ComparePage& page) {
    const auto* table = page.findChild<QTableWidget*>("twCompare");
    return table && table->item(2, 0) ? table->item(2, 0)->text() : QString();
}

void BM_ComparePageRefresh(benchmark::State& state) {
    const paysmith::TIntlSupport format;
    // Loan 1 alternates between two rates, so that every refresh has new
    // figures to show.
    const LoanValues loan1[] = {workedOut(format, 150000.0, 6.75),
                                workedOut(format, 150000.0, 6.8)};
    paysmith::OffersModel offers;
    paysmith::ComparePage page(format, offers, paysmith::AprMethod::US);
    QObject::connect(&offers, &paysmith::OffersModel::changed, &page,
                     &paysmith::ComparePage::followOffers);
    page.resize(900, 560);
    offers.replaceInputs(comparisonInputs());
    offers.setLoan(paysmith::WhichLoan::Loan1, loan1[0]);
    offers.setLoan(paysmith::WhichLoan::Loan2, workedOut(format, 140000.0, 5.75));
    page.show();
    QApplication::processEvents();
    const QString before = costOfLoan1(page);
    offers.setLoan(paysmith::WhichLoan::Loan1, loan1[1]);
    const paysmith::Comparison& shown = offers.offers().comparison();
    if (!shown.offers[0].path || !shown.offers[1].path || costOfLoan1(page) == before) {
        state.SkipWithError("the page does not show both offers' new figures");
        return;
    }
    std::size_t next = 0;
    for (auto _ : state) {
        offers.setLoan(paysmith::WhichLoan::Loan1, loan1[next]);
        QApplication::processEvents();
        next = 1 - next;
    }
}
BENCHMARK(BM_ComparePageRefresh)->Unit(benchmark::kMillisecond);

// The offscreen platform warns of this whenever a window's size hints change,
// which the page's do at every refresh.
QtMessageHandler qtHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support propagateSizeHints")))
        qtHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qtHandler = qInstallMessageHandler(quietHandler);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
