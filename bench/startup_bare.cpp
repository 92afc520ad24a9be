// The yardsticks of bench/startup.sh, timed the same way to the first expose of their main
// window: a bare Qt main window of the program's size, and with --furnished the least a
// program like ours must show first: a splash with the product's name, then the window with
// five menu titles, a column of nine buttons and a status line.
#include "app/startup_trace.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdlib>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool furnished = QApplication::arguments().contains(QStringLiteral("--furnished"));
    std::unique_ptr<QWidget> splash;
    if (furnished) {
        splash = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint | Qt::SplashScreen);
        splash->setFixedSize(344, 126);
        auto* name = new QLabel(QStringLiteral("Quennary"), splash.get());
        QFont font = name->font();
        font.setPointSize(24);
        font.setBold(true);
        name->setFont(font);
        name->setGeometry(124, 30, 208, 44);
        splash->show();
        QCoreApplication::processEvents();
    }
    QMainWindow window;
    if (furnished) {
        for (const char* title : {"&File", "&Calculators", "&Internet", "&Preferences", "&Help"})
            window.menuBar()->addMenu(QLatin1String(title));
        auto* buttons = new QWidget;
        auto* column = new QVBoxLayout(buttons);
        for (int i = 1; i <= 9; ++i)
            column->addWidget(new QPushButton(QStringLiteral("Calculator %1").arg(i)));
        window.setCentralWidget(buttons);
        window.statusBar()->showMessage(QStringLiteral("Welcome"));
    }
    window.setFixedSize(612, 399);
    qn::app::traceWhenExposed(&window, "main-shown");
    window.show();
    if (splash)
        splash->raise();
    if (qEnvironmentVariableIsSet("QUENNARY_QUIT_AFTER_START"))
        QTimer::singleShot(200, &app, [] { std::_Exit(0); });
    return QApplication::exec();
}
