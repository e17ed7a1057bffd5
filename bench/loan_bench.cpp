// The payment formula is one logarithm and one exponential plus a few
// divisions, so a bare std::log + std::exp pair over the same inputs is the
// floor each measurement is compared with.

#include "loan/core/evaluation.h"
#include "loan/core/payment.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

namespace {

struct Loan {
    std::int32_t payments;
    std::int32_t frequencyIndex;
    double ratePercent;
    double amount;
};

constexpr std::array<Loan, 8> kLoans{{{360, 6, 6.75, 150000},
                                      {240, 6, 5.75, 150000},
                                      {780, 4, 6.75, 150000},
                                      {10950, 1, 3.2, 250000},
                                      {120, 7, 12.5, 40000},
                                      {60, 8, 4.0, 99999.99},
                                      {30, 9, 7.125, 1e6},
                                      {1560, 3, 9.99, 12345.67}}};

void BM_LogExpFloor(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const Loan& loan = kLoans[i++ % kLoans.size()];
        const double base = 1.0 + loan.ratePercent / 1200.0;
        benchmark::DoNotOptimize(std::exp(std::log(base) * -loan.payments));
    }
}
BENCHMARK(BM_LogExpFloor);

void BM_CalcPayment(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const Loan& loan = kLoans[i++ % kLoans.size()];
        benchmark::DoNotOptimize(paysmith::CalcPayment(loan.payments, loan.frequencyIndex,
                                                       loan.ratePercent, loan.amount));
    }
}
BENCHMARK(BM_CalcPayment);

void BM_EvaluateLoan(benchmark::State& state) {
    paysmith::LoanState loanState;
    loanState.FrequencyIndex = 6;
    loanState.PeriodsPerYear = 12;
    std::size_t i = 0;
    for (auto _ : state) {
        const Loan& loan = kLoans[i++ % kLoans.size()];
        const paysmith::LoanInputs inputs{loan.amount, loan.ratePercent, loan.payments,
                                          0.0,         2400.0,           600.0};
        benchmark::DoNotOptimize(paysmith::evaluateLoan(loanState, inputs));
    }
}
BENCHMARK(BM_EvaluateLoan);

} // namespace
