// The Loan Spread, Refinancing and Rent vs. Buy pages in the real main window, offscreen:
// rebuilding the spread table of each kind, and recomputing the two other pages, each with
// all its field updates.
#include "bench/shell.h"
#include "pages/num_edit.h"
#include "tests/support/page_names.h"

#include <QGroupBox>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {

using bench::find;
using bench::shell;
using qn::pages::NumericField;

void BM_RebuildSpread(benchmark::State& state)
{
    qn::app::TfrmMain& w = *shell().window;
    w.gotoPage(QStringLiteral("LS"));
    find<QGroupBox>(QStringLiteral("LS"), ls::kRgCalculate)
        ->findChildren<QRadioButton*>()
        .at(static_cast<int>(state.range(0)))
        ->click();
    auto* term = find<NumericField>(QStringLiteral("LS"), ls::kTerm.name);
    for (auto _ : state)
        emit term->exited();  // leaving a field rebuilds the whole table
}
BENCHMARK(BM_RebuildSpread)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_CalcRefi(benchmark::State& state)
{
    qn::app::TfrmMain& w = *shell().window;
    w.gotoPage(QStringLiteral("RC"));
    auto* months = find<NumericField>(QStringLiteral("RC"), rc::kMonthsUntilSell.name);
    double m = 200;
    for (auto _ : state) {
        months->setValue(m = m == 200 ? 240 : 200);  // every result changes
        emit months->exited();
    }
}
BENCHMARK(BM_CalcRefi)->Unit(benchmark::kMicrosecond);

void BM_CalcRVB(benchmark::State& state)
{
    qn::app::TfrmMain& w = *shell().window;
    w.gotoPage(QStringLiteral("RVB"));
    auto* rent = find<NumericField>(QStringLiteral("RVB"), rvb::kMonthlyRent.name);
    double r = 950;
    for (auto _ : state) {
        rent->setValue(r = r == 950 ? 1000 : 950);
        emit rent->exited();
    }
}
BENCHMARK(BM_CalcRVB)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
