#pragma once

#include "app/main_window.h"
#include "toolkit/message_box.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

// A main window over a settings file of its own, with every message box answered and
// recorded. Every message must be taken by the test that expects it; leftovers fail.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_previous = qn::toolkit::setMessageInterceptor([this](const auto& request) {
            m_messages.append(request.text);
            return QMessageBox::Ok;
        });
        m_window = std::make_unique<qn::app::TfrmMain>(settingsFile());
        m_window->setExitDraw([] { return 1; });  // no exit dialog unless a test asks
        settle();
    }

    void TearDown() override
    {
        m_window.reset();
        settle();
        qn::toolkit::setMessageInterceptor(m_previous);
        EXPECT_TRUE(m_messages.isEmpty()) << "unexpected: " << m_messages.join(u'|').toStdString();
    }

    QString settingsFile() const { return m_dir.filePath(QStringLiteral("QNRY.INI")); }

    // Failure messages are shown on a queued call; let them through.
    static void settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    QStringList takeMessages()
    {
        settle();
        return std::exchange(m_messages, {});
    }

    QTemporaryDir m_dir;
    qn::toolkit::MessageInterceptor m_previous;
    QStringList m_messages;
    std::unique_ptr<qn::app::TfrmMain> m_window;
};
