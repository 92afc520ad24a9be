#include "app/main_window.h"
#include "app/settings_values.h"
#include "app/startup_trace.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quennary"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quennary"));
    qn::app::traceStartup("application");

    QCommandLineParser parser;
    const QCommandLineOption settingsOption(QStringLiteral("settings"),
                                            QStringLiteral("Read and write settings in FILE."),
                                            QStringLiteral("FILE"));
    parser.addOption(settingsOption);
    parser.addHelpOption();
    parser.process(app);
    const QString settingsPath = parser.isSet(settingsOption) ? parser.value(settingsOption)
                                                              : qn::app::DefaultSettingsPath();

    // The splash screen is shown here once the dialogs module provides it.
    qn::app::TfrmMain window(settingsPath);
    qn::app::traceWhenExposed(&window, "main window shown");
    window.show();
    return QApplication::exec();
}
