// One refresh of the Compare page's figures, sentence, chart and extras note
// after a loan has changed, worked out by the offers the page reads, for the
// longest schedules the payments field allows: two daily offers of 32,767
// payments, each with fees, points, an extra each payment and a lump sum.

#include "compare/core/costseries.h"
#include "compare/core/offers.h"
#include "loan/core/frequency.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

constexpr std::int32_t kDaily365 = 1;

constexpr std::array<paysmith::ScheduleInputs, 2> kLoans{{
    {150000.0, 6.75, paysmith::kMaxSchedulePeriods, kDaily365, 0.0, 0.0},
    {140000.0, 5.75, paysmith::kMaxSchedulePeriods, kDaily365, 0.0, 0.0},
}};

// Fees, points, extra each payment, lump sum and its payment; the years kept
// and the method follow the loans and the region.
paysmith::ComparisonInputs comparisonInputs() {
    paysmith::ComparisonInputs inputs;
    inputs.offers = {{{1500.0, 1.0, 0.50, 5000.0, 3650}, {3000.0, 0.5, 0.25, 2000.0, 7300}}};
    return inputs;
}

void BM_CompareRefreshCore(benchmark::State& state) {
    using namespace paysmith;
    Offers offers;
    offers.setInputs(comparisonInputs());
    offers.setLoan(WhichLoan::Loan2, kLoans[1]);
    // Loan 1 alternates between two rates, so that every refresh has a loan
    // worked out anew, as when its panel publishes it.
    ScheduleInputs loan1[] = {kLoans[0], kLoans[0]};
    loan1[1].annualRatePercent = 6.8;
    offers.setLoan(WhichLoan::Loan1, loan1[0]);
    {
        const Comparison& result = offers.comparison();
        if (!result.offers[0].path || !result.offers[1].path || !keptLeadOf(result)) {
            state.SkipWithError("an offer has no cost path");
            return;
        }
        // How far the extras shorten the 32,767 payments.
        state.counters["payments1"] = result.offers[0].path->payments();
        state.counters["payments2"] = result.offers[1].path->payments();
    }
    std::size_t next = 1;
    for (auto _ : state) {
        offers.setLoan(WhichLoan::Loan1, loan1[next]);
        next = 1 - next;
        const Comparison& result = offers.comparison();
        benchmark::DoNotOptimize(keptLeadOf(result));
        for (const WhichLoan loan : kBothLoans) {
            benchmark::DoNotOptimize(costSoFarSeries(result.offers[indexOf(loan)].path));
            benchmark::DoNotOptimize(offers.offer(loan)->extrasNote);
        }
    }
}
BENCHMARK(BM_CompareRefreshCore)->Unit(benchmark::kMillisecond);

} // namespace
