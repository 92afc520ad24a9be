// The pages' arithmetic without widgets: what a recompute costs before any field is written.
#include "calculators/closing_costs.h"
#include "calculators/truth_in_lending.h"

#include <benchmark/benchmark.h>

namespace {

using namespace qn::calc;

// The closing-cost page's recompute with its disclosure figures (APR, finance charge, the
// first five years, the end of mortgage insurance); the argument is the down payment percent,
// 10 with mortgage insurance, 20 without.
void BM_CalcEccWithLendingFigures(benchmark::State& state)
{
    SettingsValues settings;
    EccInputs in = EccStartingInputs(settings);
    in.downPaymentPercent = static_cast<double>(state.range(0));
    // Two rates in turn, so nothing is computed from a warm answer.
    int i = 0;
    for (auto _ : state) {
        in.interestRate = ++i % 2 ? 7.125 : 7;
        const EccResults results = CalcEcc(in, EccLocks{});
        benchmark::DoNotOptimize(LendingFiguresOf(in, results));
    }
}
BENCHMARK(BM_CalcEccWithLendingFigures)->Arg(10)->Arg(20)->Unit(benchmark::kMicrosecond);

void BM_ActuarialApr360(benchmark::State& state)
{
    const std::vector<double> payments(360, 809.01);
    double amount = 120865.19;
    for (auto _ : state) {
        benchmark::DoNotOptimize(amount);
        benchmark::DoNotOptimize(ActuarialApr(amount, payments));
    }
}
BENCHMARK(BM_ActuarialApr360)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
