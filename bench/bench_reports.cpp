// Reports of the real pages, offscreen: the 360-row amortization schedule laid out and
// written as a PDF, and the preview opened on it.
#include "bench/shell.h"
#include "pages/page_snapshot.h"
#include "reports/forms.h"
#include "reports/preview.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using bench::shell;

qn::reports::Report amortizationReport()
{
    qn::app::TfrmMain& w = *shell().window;
    w.gotoPage(QStringLiteral("Amort"));
    return *qn::reports::ReportFor(
        qn::pages::takeSnapshot(QStringLiteral("Amort"), w.page(QStringLiteral("Amort"))));
}

void BM_AmortizationPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("schedule.pdf"));
    for (auto _ : state) {
        // The snapshot of the page is part of preparing the report.
        const qn::reports::Report report = amortizationReport();
        benchmark::DoNotOptimize(qn::reports::writePdf(report, path, QDateTime::currentDateTime()));
    }
}
BENCHMARK(BM_AmortizationPdf)->Unit(benchmark::kMillisecond);

void BM_OpenPreview(benchmark::State& state)
{
    const qn::reports::Report report = amortizationReport();
    for (auto _ : state) {
        qn::reports::TfrmPreview preview;
        preview.setReport(report, QDateTime::currentDateTime());
        preview.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenPreview)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
