#pragma once

#include "pages/num_edit.h"
#include "toolkit/guarded.h"
#include "toolkit/message_box.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

// The numeric fields' tests: each field in a window of its own, with a second field to move
// the focus to, in the locale the expected texts are written for.

using qn::pages::TFnpNumericEdit;
using qn::pages::TNumEdit;

// A window with the field under test and a second field to move the focus to.
template <typename Field> class FieldWindow {
public:
    FieldWindow()
    {
        auto* layout = new QVBoxLayout(&window);
        field = new Field(&window);
        other = new TNumEdit(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void enter()
    {
        field->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }
    void leave()
    {
        other->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }

    QWidget window;
    Field* field = nullptr;
    TNumEdit* other = nullptr;
};

class NumEditTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override
    {
        qn::toolkit::setFailureHandler({});
        qn::toolkit::setMessageInterceptor({});
    }
};
