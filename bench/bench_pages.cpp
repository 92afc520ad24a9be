// The pages in the real main window, offscreen: entering a page, recomputing it with all its
// field updates, building schedules, rebuilding the loan spread table, and typing.
#include "bench/shell.h"
#include "calculators/extras.h"
#include "pages/num_edit.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <benchmark/benchmark.h>

namespace {

using bench::find;
using bench::shell;
using qn::pages::NumericField;

// Entering a page from the menu page, as the menu does; going back is not timed.
void BM_Enter(benchmark::State& state, const char* page)
{
    qn::app::TfrmMain& w = *shell().window;
    for (auto _ : state) {
        w.gotoPage(QLatin1String(page));
        QCoreApplication::processEvents();
        state.PauseTiming();
        w.gotoPage(QStringLiteral("Menu"));
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_Enter, Amortization, "Amort")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Enter, ClosingCosts, "ECC")->Unit(benchmark::kMillisecond);

// Leaving a field recomputes its page; the field holds two figures in turn, so that every
// result field is rewritten each time.
void BM_Leave(benchmark::State& state, const char* page, const char* field, double a, double b)
{
    shell().window->gotoPage(QLatin1String(page));
    auto* edit = find<NumericField>(QLatin1String(page), field);
    bool first = false;
    for (auto _ : state) {
        edit->setValue((first = !first) ? a : b);
        emit edit->exited();
    }
}
BENCHMARK_CAPTURE(BM_Leave, Qualifier, "MQ", "edtIncome1", 4001, 4002)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Leave, Biweekly, "BW", "edtMortgageAmount", 100000, 100000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Leave, Refinancing, "RC", "edtMonthsUntilSell", 240, 200)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Leave, RentVsBuy, "RVB", "edtRVBMonthlyRent", 1000, 950)
    ->Unit(benchmark::kMicrosecond);

// Every line of the closing-cost panels, the loan's costs among them, is computed on each
// recomputation, whatever is open; the argument picks the state: 0 all locked, 1 the down
// payment typed with the loan, 2 all locked at 10 % down, with mortgage insurance to end.
void BM_LeaveClosingCosts(benchmark::State& state)
{
    const QString ecc = QStringLiteral("ECC");
    shell().window->gotoPage(ecc);
    if (state.range(0) == 1) {
        find<QToolButton>(ecc, "btnUnlockLoanAmount")->click();
        find<QToolButton>(ecc, "btnUnlockDownPayment")->click();
    }
    if (state.range(0) == 2)
        find<NumericField>(ecc, "edtEccDownPaymentPercent")->setValue(10);
    BM_Leave(state, "ECC", "edtEccInterest", 7.125, 7);
    shell().window->Reset();
}
BENCHMARK(BM_LeaveClosingCosts)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Calculate on the schedule page: the schedule, grid, summary and both chart series.
void calculateSchedule(benchmark::State& state, int rateType)
{
    const QString amort = QStringLiteral("Amort");
    shell().window->gotoPage(amort);
    find<QWidget>(amort, "rgRateType")->findChildren<QRadioButton*>().at(rateType)->click();
    find<qn::pages::TFnpNumericEdit>(amort, "edtNumPmts")
        ->setValue(static_cast<double>(state.range(0)));
    auto* calculate = find<QPushButton>(amort, "btnCalculate");
    for (auto _ : state) {
        calculate->click();
        QCoreApplication::processEvents();
    }
    find<QWidget>(amort, "rgRateType")->findChildren<QRadioButton*>().at(0)->click();
}
void BM_Schedule(benchmark::State& state) { calculateSchedule(state, 0); }
BENCHMARK(BM_Schedule)->Arg(360)->Arg(600)->Unit(benchmark::kMillisecond);
// The same with the page's adjustable terms (a 5/6 loan: 50 changes over 360 payments), the
// column of rates, the payment's series and the summary line.
void BM_ScheduleAdjustable(benchmark::State& state) { calculateSchedule(state, 1); }
BENCHMARK(BM_ScheduleAdjustable)->Arg(360)->Unit(benchmark::kMillisecond);

void BM_PayoffGoal(benchmark::State& state)
{
    const qn::TMortgage loan(360, 100000, 0.0875, 12);
    for (auto _ : state)
        benchmark::DoNotOptimize(qn::calc::LevelExtraForPayoff(loan, 180));
}
BENCHMARK(BM_PayoffGoal)->Unit(benchmark::kMillisecond);

void BM_RebuildSpread(benchmark::State& state)
{
    shell().window->gotoPage(QStringLiteral("LS"));
    find<QGroupBox>(QStringLiteral("LS"), "rgCalculate")
        ->findChildren<QRadioButton*>()
        .at(static_cast<int>(state.range(0)))
        ->click();
    auto* term = find<NumericField>(QStringLiteral("LS"), "edtTerm");
    for (auto _ : state)
        emit term->exited(); // leaving a field rebuilds the whole table
}
BENCHMARK(BM_RebuildSpread)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

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
