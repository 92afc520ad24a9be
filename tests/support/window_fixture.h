#pragma once

#include "app/main_window.h"
#include "tests/support/message_fixture.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

// A main window over a settings file of its own, every message box answered and recorded.
class WindowFixture : public MessageFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        MessageFixture::SetUp();
        m_window = std::make_unique<qn::app::TfrmMain>(settingsFile());
        m_window->setExitDraw([] { return 1; }); // no exit dialog unless a test asks
        settle();
    }

    void TearDown() override
    {
        m_window.reset();
        MessageFixture::TearDown();
    }

    QString settingsFile() const { return m_dir.filePath(QStringLiteral("QNRY.INI")); }

    QTemporaryDir m_dir;
    std::unique_ptr<qn::app::TfrmMain> m_window;
};
