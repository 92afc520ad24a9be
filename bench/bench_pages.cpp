#include "app/main_window.h"
#include "pages/num_edit.h"
#include "pages/amortization_page.h"
#include "toolkit/message_box.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using qn::app::TfrmMain;

namespace {

struct Shell {
    QTemporaryDir dir;
    std::unique_ptr<TfrmMain> window;
    Shell()
    {
        qn::toolkit::setMessageInterceptor([](const auto&) { return QMessageBox::Ok; });
        window = std::make_unique<TfrmMain>(dir.filePath(QStringLiteral("QNRY.INI")));
        window->show();
        QCoreApplication::processEvents();
    }
};

Shell& shell()
{
    static Shell s;
    return s;
}

template <typename T>
T* find(const QString& page, const char* name)
{
    return shell().window->page(page)->findChild<T*>(QLatin1String(name));
}

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
    find<qn::pages::TFnpNumericEdit>(QStringLiteral("Amort"), "edtNumPmts")->setValue(600);
    auto* calculate = find<QPushButton>(QStringLiteral("Amort"), "btnCalculate");
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
    auto* amount = find<qn::pages::TNumEdit>(QStringLiteral("BW"), "edtMortgageAmount");
    for (auto _ : state)
        emit amount->exited();
}
BENCHMARK(BM_CalcBW)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    shell().window.reset();
    benchmark::Shutdown();
    return 0;
}
