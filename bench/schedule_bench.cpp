// The longest schedule the payments field allows, billed in cents. 150,000.00
// at 2.5 % daily over 32,767 days bills a payment that repays the loan only at
// the last period, so every one of the 32,767 rows is built.

#include "schedule/core/schedule.h"

#include <benchmark/benchmark.h>

namespace {

constexpr paysmith::ScheduleInputs kLongest{150000.0, 2.5, paysmith::kMaxSchedulePeriods,
                                            1,        0.0, 0.0};

void BM_LenderSchedule32767(benchmark::State& state) {
    if (paysmith::lenderSchedule(kLongest).rows.size() != paysmith::kMaxSchedulePeriods) {
        state.SkipWithError("the loan ends before its last period");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(paysmith::lenderSchedule(kLongest));
    state.SetItemsProcessed(state.iterations() * paysmith::kMaxSchedulePeriods);
}
BENCHMARK(BM_LenderSchedule32767)->Unit(benchmark::kMicrosecond);

// The same loan with a cent more every day and a lump sum half-way: the
// extras' arithmetic in every period, over nearly as many rows.
void BM_LenderScheduleWithExtras(benchmark::State& state) {
    const paysmith::ExtraPayments extras{1, 1'000'000, paysmith::kMaxSchedulePeriods / 2};
    const std::size_t rows = paysmith::lenderSchedule(kLongest, extras).rows.size();
    for (auto _ : state)
        benchmark::DoNotOptimize(paysmith::lenderSchedule(kLongest, extras));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(rows));
}
BENCHMARK(BM_LenderScheduleWithExtras)->Unit(benchmark::kMicrosecond);

void BM_FormulaSchedule32767(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(paysmith::formulaSchedule(kLongest));
}
BENCHMARK(BM_FormulaSchedule32767)->Unit(benchmark::kMicrosecond);

} // namespace
