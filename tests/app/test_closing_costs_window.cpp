// The Mortgage Qualifier and Estimated Closing Costs pages in the real main window, over a
// settings file of their own: what reaches the file, and what a restart reads back.
#include "app/settings_values.h"
#include "pages/calculator_page.h"
#include "pages/num_edit.h"
#include "tests/support/files.h"
#include "tests/support/page_names.h"
#include "tests/support/window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QPushButton>
#include <QTest>

#include <tuple>

#include <gtest/gtest.h>

using qn::pages::NumericField;

namespace {

class PagesWindow : public WindowFixture {
protected:
    void show()
    {
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        settle();
    }
    NumericField* field(const QString& page, const char* name)
    {
        auto* f = m_window->page(page)->findChild<NumericField*>(QLatin1String(name));
        EXPECT_NE(f, nullptr) << name;
        return f;
    }
    void typeAndLeave(const QString& page, const char* name, const QString& keys)
    {
        NumericField* f = field(page, name);
        f->setFocus(Qt::TabFocusReason);
        settle();
        f->selectAll();
        QTest::keyClicks(f, keys);
        f->clearFocus();
        settle();
    }
    void click(const QString& page, const char* name)
    {
        auto* button = m_window->page(page)->findChild<QAbstractButton*>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }
    qn::calc::SettingsValues savedSettings()
    {
        return qn::app::LoadSettings(settingsFile(), [](const QString&) {});
    }
    void restart()
    {
        m_window->close();
        settle();
        m_window = std::make_unique<qn::app::TfrmMain>(settingsFile());
        m_window->setExitDraw([] { return 1; });
        show();
    }

    const QString mq = QStringLiteral("MQ");
    const QString ecc = QStringLiteral("ECC");
};

TEST_F(PagesWindow, RatiosLeftOnTheQualifierReachTheClosingCostsAndTheFileAtExit)
{
    show();
    m_window->gotoPage(mq);
    settle();
    typeAndLeave(mq, mq::kHousingRatio.name, QStringLiteral("30"));
    typeAndLeave(mq, mq::kDebtRatio.name, QStringLiteral("45"));
    m_window->gotoPage(ecc);
    settle();
    EXPECT_EQ(field(ecc, ecc::kHousingRatio.name)->value(), 30);
    EXPECT_EQ(field(ecc, ecc::kDebtRatio.name)->value(), 45);
    EXPECT_EQ(savedSettings().HRatio, 28); // not before exit
    m_window->close();
    settle();
    const qn::calc::SettingsValues saved = savedSettings();
    EXPECT_EQ(saved.HRatio, 30);
    EXPECT_EQ(saved.DRatio, 45);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(PagesWindow, PanelDefaultsAreWrittenOnOkAndShownAfterARestart)
{
    show();
    m_window->gotoPage(ecc);
    settle();
    click(ecc, ecc::kBtnCalcClosing);
    typeAndLeave(ecc, ecc::kAF.name, QStringLiteral("425"));
    click(ecc, ecc::kBtnClosePnlClosing);
    click(ecc, ecc::kBtnCalcEscrows);
    typeAndLeave(ecc, ecc::kIIDays.name, QStringLiteral("20"));
    click(ecc, ecc::kBtnClosePnlEscrow);
    // Written at once, before any exit: only the panels' keys.
    const qn::calc::SettingsValues written = savedSettings();
    EXPECT_EQ(written.AppraisalFee, 425);
    EXPECT_EQ(written.InterimInterestDays, 20);

    restart();
    m_window->gotoPage(ecc);
    settle();
    EXPECT_EQ(field(ecc, ecc::kIIDays.name)->value(), 20);
    click(ecc, ecc::kBtnCalcClosing);
    EXPECT_EQ(field(ecc, ecc::kAF.name)->value(), 425);
    EXPECT_TRUE(takeMessages().isEmpty());
}

// A settings file that cannot be written (read-only, or a folder in its place): each panel's
// OK and the exit name the file, the panel stays open to try again, the file is kept.
TEST_F(PagesWindow, AnUnwritableSettingsFileIsNamedAndKeptByPanelsAndExit)
{
    m_window->close();
    const QString unable =
        QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(settingsFile());
    for (const bool readOnly : {true, false}) {
        SCOPED_TRACE(readOnly ? "read-only" : "folder");
        QFile::remove(settingsFile());
        if (readOnly) {
            writeAll(settingsFile(), "[Ratios]\nHRatio=30\n");
            ASSERT_TRUE(QFile::setPermissions(settingsFile(), QFile::ReadOwner | QFile::ReadOther));
        } else {
            ASSERT_TRUE(QDir().mkpath(settingsFile()));
        }
        m_window.reset(); // its end unsets the failure handler: before the next one sets it
        m_window = std::make_unique<qn::app::TfrmMain>(settingsFile());
        m_window->setExitDraw([] { return 1; });
        show();
        takeMessages(); // a folder cannot be read either, and says so
        m_window->gotoPage(ecc);
        settle();
        for (const auto& [open, ok, panel] :
             {std::tuple{ecc::kBtnCalcClosing, ecc::kBtnClosePnlClosing, ecc::kPnlClosing},
              std::tuple{ecc::kBtnCalcEscrows, ecc::kBtnClosePnlEscrow, ecc::kPnlEscrow}}) {
            click(ecc, open);
            click(ecc, ok);
            EXPECT_EQ(takeMessages(), QStringList{unable}) << ok;
            auto* shown = m_window->page(ecc)->findChild<QWidget*>(QLatin1String(panel));
            EXPECT_TRUE(shown->isVisible()) << panel;
            // Given up on: the panel put away by hand, so the other one can open.
            shown->hide();
            for (const char* button : {ecc::kBtnCalcClosing, ecc::kBtnCalcEscrows})
                m_window->page(ecc)->findChild<QWidget*>(QLatin1String(button))->setEnabled(true);
        }
        m_window->close();
        EXPECT_EQ(takeMessages(), QStringList{unable});
        if (readOnly) {
            EXPECT_EQ(readAll(settingsFile()), QByteArray("[Ratios]\nHRatio=30\n"));
        } else {
            EXPECT_TRUE(QFileInfo(settingsFile()).isDir());
            QDir(settingsFile()).removeRecursively();
        }
    }
}

// QUENNARY_SHOTS=<dir> saves the two pages and both panels as PNG files there.
TEST_F(PagesWindow, Screenshots)
{
    const QString dir = qEnvironmentVariable("QUENNARY_SHOTS");
    if (dir.isEmpty())
        GTEST_SKIP() << "QUENNARY_SHOTS not set";
    show();
    auto shot = [&](const char* file) {
        settle();
        EXPECT_TRUE(m_window->grab().save(QDir(dir).filePath(QLatin1String(file))));
    };
    m_window->gotoPage(mq);
    typeAndLeave(mq, mq::kIncome1.name, QStringLiteral("999999999999"));
    typeAndLeave(mq, mq::kIncome1.name, QStringLiteral("4000"));
    shot("mq.png");
    m_window->gotoPage(ecc);
    shot("ecc.png");
    click(ecc, ecc::kBtnUnlockDownPayment);
    typeAndLeave(ecc, ecc::kCDownPayment.name, QStringLiteral("999999999999"));
    shot("ecc_wide.png");
    m_window->Reset();
    click(ecc, ecc::kBtnUnlockPurchasePrice);
    click(ecc, ecc::kBtnCalcClosing);
    shot("ecc_closing.png");
    click(ecc, ecc::kBtnClosePnlClosing);
    click(ecc, ecc::kBtnCalcEscrows);
    shot("ecc_escrow.png");
    takeMessages();
}

} // namespace
