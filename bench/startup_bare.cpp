// The yardstick of bench/startup.sh: a bare Qt main window of the program's size, timed the
// same way to its first expose.
#include "app/startup_trace.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setFixedSize(612, 399);
    qn::app::traceWhenExposed(&window, "main-shown");
    window.show();
    if (qEnvironmentVariableIsSet("QUENNARY_QUIT_AFTER_START"))
        QTimer::singleShot(200, &app, [] { std::_Exit(0); });
    return QApplication::exec();
}
