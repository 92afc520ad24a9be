#pragma once

// The real main window, offscreen, for the page benchmarks: one per process, every message
// box answered, torn down before the benchmark library shuts down.
#include "app/main_window.h"
#include "pages/calculator_page.h"
#include "toolkit/message_box.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace bench {

struct Shell {
    QTemporaryDir dir;
    std::unique_ptr<qn::app::TfrmMain> window;
    Shell()
    {
        qn::toolkit::setMessageInterceptor([](const auto&) { return QMessageBox::Ok; });
        window = std::make_unique<qn::app::TfrmMain>(dir.filePath(QStringLiteral("QNRY.INI")));
        window->show();
        QCoreApplication::processEvents();
    }
};

inline Shell& shell()
{
    static Shell s;
    return s;
}

template <typename T> T* find(const QString& page, const char* name)
{
    return shell().window->page(page)->findChild<T*>(QLatin1String(name));
}

inline int runBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    shell().window.reset();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
