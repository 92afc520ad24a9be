// Widget tests need a QApplication; force offscreen so a run never needs a display.
#include "toolkit/product.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test may start a browser or mail program; set once, before any test runs.
    qputenv("QUENNARY_NO_BROWSER", "1");
    QApplication app(argc, argv);
    qn::toolkit::nameApplication(); // as the program does
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
