#include "bench/shell.h"
#include "pages/amortization_page.h"
#include "pages/num_edit.h"
#include "tests/support/page_names.h"
#include "toolkit/message_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using qn::app::TfrmMain;

namespace {

using bench::find;
using bench::shell;

void BM_EnterAmortization(benchmark::State& state)
{
    TfrmMain& w = *shell().window;
    for (auto _ : state) {
        w.gotoPage(QStringLiteral("Amort"));
        QCoreApplication::processEvents();
        state.PauseTiming();
        w.gotoPage(QStringLiteral("Menu"));
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EnterAmortization)->Unit(benchmark::kMillisecond);

void BM_Schedule600(benchmark::State& state)
{
    TfrmMain& w = *shell().window;
    w.gotoPage(QStringLiteral("Amort"));
    find<qn::pages::TFnpNumericEdit>(QStringLiteral("Amort"), amort::kNumPmts.name)->setValue(600);
    auto* calculate = find<QPushButton>(QStringLiteral("Amort"), amort::kBtnCalculate);
    for (auto _ : state) {
        calculate->click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_Schedule600)->Unit(benchmark::kMillisecond);

void BM_CalcBW(benchmark::State& state)
{
    TfrmMain& w = *shell().window;
    w.gotoPage(QStringLiteral("BW"));
    auto* amount = find<qn::pages::TNumEdit>(QStringLiteral("BW"), bw::kMortgageAmount.name);
    for (auto _ : state)
        emit amount->exited();
}
BENCHMARK(BM_CalcBW)->Unit(benchmark::kMicrosecond);

// Typing digits into a fixed-decimals field: the cost of a key must not grow with the number
// typed before it (compare the time per item of the two sizes).
void BM_TypeDigits(benchmark::State& state)
{
    QWidget window;
    auto* field = new qn::pages::TFnpNumericEdit(&window);
    field->setDecimals(0);
    window.show();
    const auto keys = state.range(0);
    for (auto _ : state) {
        field->setValue(0);
        field->setCursorPosition(1);
        for (qint64 i = 0; i < keys; ++i) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_9, Qt::NoModifier, QStringLiteral("9"));
            QCoreApplication::sendEvent(field, &press);
        }
    }
    state.SetItemsProcessed(state.iterations() * keys);
}
BENCHMARK(BM_TypeDigits)->Arg(1000)->Arg(16000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
