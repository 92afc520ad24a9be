#include "app/headless_run.h"
#include "app/main_window.h"
#include "app/settings_values.h"
#include "app/splash_screen.h"
#include "app/startup_trace.h"
#include "toolkit/product.h"
#include "toolkit/program_style.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFontDatabase>
#include <QTimer>

#include <cstdio>
#include <thread>

#include <fontconfig/fontconfig.h>

int main(int argc, char** argv)
{
    if (qn::app::isHeadlessRun(argc, argv)) {
        // A page run needs no display and starts no browser, wherever it runs.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QUENNARY_NO_BROWSER", "1");
        // Standard error carries the page's messages for scripts; Qt's notes stay out of it.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", qPrintable(m));
        });
        QApplication app(argc, argv);
        qn::toolkit::nameApplication();
        return qn::app::runHeadless(QApplication::arguments().mid(1));
    }
    // Reading the font configuration is the largest piece of work before the splash can draw
    // its name, and it needs no display: it is done on a second thread while the display
    // connection is made, so that Qt finds it done.
    std::thread fontConfiguration([] { FcInit(); });
    QApplication app(argc, argv);
    fontConfiguration.join();
    // Qt's list of fonts (its functions are thread-safe) is made while the splash is built.
    std::thread fontList([] { QFontDatabase::families(); });
    qn::toolkit::UseProgramStyle();
    // The splash comes first so it is on screen while the rest loads.
    qn::app::TSplashScreen splash;
    splash.start();
    splash.showAndPaint(); // paints synchronously before returning
    fontList.join();
    qn::app::traceStartup("splash-painted");

    qn::toolkit::nameApplication();

    QCommandLineParser parser;
    const QCommandLineOption settingsOption(QStringLiteral("settings"),
                                            QStringLiteral("Read and write settings in FILE."),
                                            QStringLiteral("FILE"));
    parser.addOption(settingsOption);
    const QCommandLineOption updateOption(
        QStringLiteral("update-url"),
        QStringLiteral("Read the product-information page at URL when checking for updates."),
        QStringLiteral("URL"));
    parser.addOption(updateOption);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A scenario to open."),
                                 QStringLiteral("[FILE.qnry]"));
    parser.addHelpOption();
    parser.process(app);
    const QString settingsPath = parser.isSet(settingsOption) ? parser.value(settingsOption)
                                                              : qn::app::DefaultSettingsPath();

    qn::app::TfrmMain window(settingsPath);
    if (parser.isSet(updateOption) && !window.setUpdateUrl(parser.value(updateOption))) {
        std::fprintf(stderr, "--update-url needs an http or https address\n");
        return 2;
    }
    // For the accessibility walk, which must meet the exit dialog the draw shows now and then.
    if (qEnvironmentVariableIsSet("QUENNARY_EXIT_DIALOG"))
        window.setExitDraw([] { return 0; });
    qn::app::traceWhenExposed(&window, "main-shown");
    window.show();
    splash.raise();
    if (const QStringList files = parser.positionalArguments(); !files.isEmpty())
        QTimer::singleShot(0, &window,
                           [&window, file = files.first()] { window.openScenarioFile(file); });
    // For the start-up benchmark: leave as soon as the window is up, without saving.
    if (qEnvironmentVariableIsSet("QUENNARY_QUIT_AFTER_START"))
        QTimer::singleShot(200, &app, [] { std::_Exit(0); });
    return QApplication::exec();
}
