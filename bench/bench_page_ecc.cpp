// The Mortgage Qualifier and closing-cost pages in the real main window, offscreen:
// recomputing each page including its field updates, and entering the closing-cost page.
#include "bench/shell.h"
#include "pages/calculator_page.h"
#include "pages/num_edit.h"
#include "tests/support/page_names.h"
#include "toolkit/message_box.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <memory>

using qn::app::TfrmMain;
using qn::pages::NumericField;

namespace {

using bench::find;
using bench::shell;

void BM_CalcMQ(benchmark::State& state)
{
    TfrmMain& w = *shell().window;
    w.gotoPage(QStringLiteral("MQ"));
    auto* income = find<NumericField>(QStringLiteral("MQ"), mq::kIncome1.name);
    // A new income each time, so every result field is rewritten.
    double value = 4000;
    for (auto _ : state) {
        income->setValue(value += 1);
        emit income->exited();
    }
}
BENCHMARK(BM_CalcMQ)->Unit(benchmark::kMicrosecond);

// Every line of both panels is computed on each recomputation, whatever is open; the
// argument picks the lock state: 0 all locked, 1 the down payment typed with the loan.
void BM_CalcECC(benchmark::State& state)
{
    TfrmMain& w = *shell().window;
    const QString ecc = QStringLiteral("ECC");
    w.gotoPage(ecc);
    if (state.range(0) == 1) {
        find<QToolButton>(ecc, ecc::kBtnUnlockLoanAmount)->click();
        find<QToolButton>(ecc, ecc::kBtnUnlockDownPayment)->click();
    }
    auto* rate = find<NumericField>(ecc, ecc::kInterest.name);
    // Two rates in turn, so every result field is rewritten.
    int i = 0;
    for (auto _ : state) {
        rate->setValue(++i % 2 ? 7.125 : 7);
        emit rate->exited();
    }
    w.Reset();
}
BENCHMARK(BM_CalcECC)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_EnterECC(benchmark::State& state)
{
    TfrmMain& w = *shell().window;
    for (auto _ : state) {
        w.gotoPage(QStringLiteral("ECC"));
        QCoreApplication::processEvents();
        state.PauseTiming();
        w.gotoPage(QStringLiteral("Menu"));
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EnterECC)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
