// One refresh of the Compare page's figures, sentence, chart and extras note,
// worked out by the cores as the page does it, for the longest schedules the
// payments field allows: two daily offers of 32,767 payments, each with fees,
// points, an extra each payment and a lump sum.

#include "compare/core/comparison.h"
#include "compare/core/costseries.h"
#include "loan/core/frequency.h"
#include "schedule/core/extrarefusal.h"

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
    const ComparisonInputs inputs = comparisonInputs();
    const Offer offers[] = {offerOf(kLoans[0], inputs.offers[0]),
                            offerOf(kLoans[1], inputs.offers[1])};
    {
        const Comparison result =
            compareOffers(offers[0], offers[1], keepYearsOf(inputs, offers[0], offers[1]));
        if (!result.offers[0].path || !result.offers[1].path || !keptLeadOf(result)) {
            state.SkipWithError("an offer has no cost path");
            return;
        }
        // How far the extras shorten the 32,767 payments.
        state.counters["payments1"] = result.offers[0].path->payments();
        state.counters["payments2"] = result.offers[1].path->payments();
    }
    for (auto _ : state) {
        const Comparison result =
            compareOffers(offers[0], offers[1], keepYearsOf(inputs, offers[0], offers[1]));
        benchmark::DoNotOptimize(keptLeadOf(result));
        for (std::size_t k = 0; k < 2; ++k) {
            benchmark::DoNotOptimize(costSoFarSeries(result.offers[k].path));
            benchmark::DoNotOptimize(extrasNote(kLoans[k], extrasOf(inputs.offers[k])));
        }
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_CompareRefreshCore)->Unit(benchmark::kMillisecond);

} // namespace
