// What the extra payments buy: the payoff goal on a 360-month loan, and the schedule page
// recomputed with its summary and chart.
#include "bench/shell.h"
#include "calculators/extras.h"
#include "tests/support/page_names.h"

#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

void BM_PayoffGoal(benchmark::State& state)
{
    const qn::TMortgage loan(360, 100000, 0.0875, 12);
    for (auto _ : state)
        benchmark::DoNotOptimize(qn::calc::LevelExtraForPayoff(loan, 180));
}
BENCHMARK(BM_PayoffGoal)->Unit(benchmark::kMillisecond);

void BM_ScheduleWithChart(benchmark::State& state)
{
    qn::app::TfrmMain& w = *bench::shell().window;
    w.gotoPage(QStringLiteral("Amort"));
    auto* calculate = bench::find<QPushButton>(QStringLiteral("Amort"), amort::kBtnCalculate);
    for (auto _ : state) {
        calculate->click();  // schedule, grid, summary and both chart series
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ScheduleWithChart)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
