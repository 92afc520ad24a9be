#include "app/main_window.h"
#include "app/prefs_dialog.h"
#include "pages/calculator_page.h"
#include "pages/num_edit.h"
#include "tests/support/files.h"
#include "tests/support/page_names.h"
#include "tests/support/window_fixture.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using qn::app::TfrmPrefs;
using qn::pages::NumericField;

namespace {

class PrefsTest : public WindowFixture {
protected:
    void writeFile(const QByteArray& content) { writeAll(settingsFile(), content); }
    QByteArray fileBytes() const { return readAll(settingsFile()); }

    // A dialog over the window's settings file and values, shown as the menu shows it.
    std::unique_ptr<TfrmPrefs> open()
    {
        auto dialog =
            std::make_unique<TfrmPrefs>(settingsFile(), m_window->settings(), m_window.get());
        dialog->show();
        settle();
        return dialog;
    }

    static NumericField* field(QWidget* dialog, const char* name)
    {
        auto* f = dialog->findChild<NumericField*>(QLatin1String(name));
        EXPECT_NE(f, nullptr) << name;
        return f;
    }

    static void click(QWidget* dialog, const char* name)
    {
        dialog->findChild<QPushButton*>(QLatin1String(name))->click();
    }
};

TEST_F(PrefsTest, OpensFromTheToolBarModallyAndShowsTheFile)
{
    writeFile("[Ratios]\nHRatio=30\nDRatio=45\n");
    m_window->settings().HRatio = 33; // changed in memory, e.g. by the qualifier
    m_window->show();
    QString caption;
    double housing = 0;
    bool focused = false;
    QTimer::singleShot(0, m_window.get(), [&] {
        auto* prefs = qobject_cast<TfrmPrefs*>(QApplication::activeModalWidget());
        ASSERT_NE(prefs, nullptr);
        caption = prefs->windowTitle();
        housing = field(prefs, prefs::kHousing.name)->value();
        focused = prefs->focusWidget() == field(prefs, prefs::kHousing.name);
        click(prefs, prefs::kBtnCancel);
    });
    m_window->findChild<QPushButton*>(QStringLiteral("btnPrefs"))->click();
    EXPECT_EQ(caption, QStringLiteral("Preferences"));
    EXPECT_EQ(housing, 30); // the file's ratio, not the one in memory
    EXPECT_TRUE(focused);
    EXPECT_EQ(m_window->settings().HRatio, 33); // Cancel keeps memory as it was
    EXPECT_TRUE(m_window->findChildren<TfrmPrefs*>().isEmpty()) << "destroyed on close";
}

TEST_F(PrefsTest, FieldsShowTheirKinds)
{
    auto dialog = open();
    EXPECT_EQ(field(dialog.get(), prefs::kInterestRate.name)->text(), QStringLiteral("8.750"));
    EXPECT_EQ(field(dialog.get(), prefs::kLoanAmount.name)->text(), QStringLiteral("$100,000.00"));
    EXPECT_EQ(field(dialog.get(), prefs::k308085.name)->text(), QStringLiteral(".0032"));
    EXPECT_EQ(field(dialog.get(), prefs::kIIDays.name)->text(), QStringLiteral("15"));
    EXPECT_EQ(dialog->size(), QSize(464, 305));
    const auto* tabs = dialog->findChild<QTabWidget*>(QStringLiteral("pcPreferences"));
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Escrows"));
}

TEST_F(PrefsTest, RestoreThenCancelChangesNothing)
{
    writeFile("[LastValues]\nLoan=150000\n");
    const QByteArray before = fileBytes();
    const qn::app::SettingsValues memory = m_window->settings();
    auto dialog = open();
    click(dialog.get(), prefs::kBtnRestore);
    EXPECT_EQ(field(dialog.get(), prefs::kLoanAmount.name)->value(), 100000);
    click(dialog.get(), prefs::kBtnCancel);
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(m_window->settings().Loan, memory.Loan);
}

TEST_F(PrefsTest, RestoreThenSaveWritesTheDefaultsExactly)
{
    writeFile("[LastValues]\nLoan=150000\nInterest=7\n[PmiValues]\nPmip309597=0.1\n");
    auto dialog = open();
    click(dialog.get(), prefs::kBtnRestore);
    click(dialog.get(), prefs::kBtnSave);
    const QByteArray file = fileBytes();
    EXPECT_TRUE(file.contains("Interest=8.75\n")) << file.toStdString();
    EXPECT_TRUE(file.contains("Pmip309597=0.009\n")) << file.toStdString();
    EXPECT_TRUE(file.contains("Loan=100000\n"));
    EXPECT_EQ(m_window->settings().Interest, 8.75);
    EXPECT_EQ(m_window->settings().Loan, 100000);
}

TEST_F(PrefsTest, AFractionalTermIsRefusedBeforeAnythingIsCopiedOrWritten)
{
    writeFile("[LastValues]\nLoan=150000\n");
    const QByteArray before = fileBytes();
    auto dialog = open();
    field(dialog.get(), prefs::kLoanAmount.name)->setValue(222222);
    field(dialog.get(), prefs::kTermInMonths.name)->setValue(360.5);
    click(dialog.get(), prefs::kBtnSave);
    EXPECT_EQ(takeMessages(),
              QStringList{QStringLiteral("Term in Months must be a whole number from 0 to 1200.")});
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(m_window->settings().Loan, 100000); // not copied half way
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(field(dialog.get(), prefs::kTermInMonths.name)->hasFocus());
}

TEST_F(PrefsTest, EscrowsAreSavedAndSavedValuesReachThePages)
{
    auto dialog = open();
    field(dialog.get(), prefs::kLoanAmount.name)->setValue(250000);
    field(dialog.get(), prefs::kHOIIMonths.name)->setValue(4);
    field(dialog.get(), prefs::kTax.name)->setValue(1800);
    field(dialog.get(), prefs::kInsurance.name)->setValue(360);
    click(dialog.get(), prefs::kBtnSave);
    EXPECT_TRUE(fileBytes().contains("HomeownersRenewalMonths=4"));
    EXPECT_EQ(m_window->settings().HomeownersRenewalMonths, 4);
    m_window->gotoChosenCalculator(QStringLiteral("Amort"));
    auto* loan = m_window->page(QStringLiteral("Amort"))
                     ->findChild<NumericField*>(QLatin1String(amort::kMortAmt.name));
    EXPECT_EQ(loan->value(), 250000);
    m_window->gotoChosenCalculator(QStringLiteral("ECC"));
    QWidget* ecc = m_window->page(QStringLiteral("ECC"));
    EXPECT_EQ(ecc->findChild<NumericField*>(QLatin1String(ecc::kTax.name))->value(), 1800);
    EXPECT_EQ(ecc->findChild<NumericField*>(QLatin1String(ecc::kInsurance.name))->value(), 360);
    EXPECT_EQ(ecc->findChild<NumericField*>(QLatin1String(ecc::kHOIIMonths.name))->value(), 4);
    takeMessages();
}

TEST_F(PrefsTest, FaultyValuesKeepTheirDefaultsAndAreListedOnce)
{
    writeFile("[LastValues]\nLoan=abc\nInterest=7.5\n[Ratios]\nHRatio=x\n");
    auto dialog = open();
    const QStringList messages = takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains(QStringLiteral("Loan: 'abc'")));
    EXPECT_TRUE(messages.front().contains(QStringLiteral("HRatio: 'x'")));
    EXPECT_EQ(field(dialog.get(), prefs::kLoanAmount.name)->value(), 100000);
    EXPECT_EQ(field(dialog.get(), prefs::kInterestRate.name)->value(), 7.5); // later keys load
}

TEST_F(PrefsTest, AFailedWriteKeepsTheDialogOpenAndMemoryAsItWas)
{
    auto dialog = std::make_unique<TfrmPrefs>(m_dir.filePath(QStringLiteral("no/such/QNRY.INI")),
                                              m_window->settings(), m_window.get());
    dialog->show();
    settle();
    field(dialog.get(), prefs::kLoanAmount.name)->setValue(250000);
    click(dialog.get(), prefs::kBtnSave);
    const QStringList messages = takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().startsWith(QStringLiteral("Unable to write to ")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(m_window->settings().Loan, 100000);
}

} // namespace

namespace {

// QUENNARY_SHOTS=<folder> saves a picture of each tab for a person to look at.
TEST_F(PrefsTest, PicturesOfTheTabs)
{
    const QString folder = qEnvironmentVariable("QUENNARY_SHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set QUENNARY_SHOTS to a folder to save the pictures";
    auto dialog = open();
    auto* tabs = dialog->findChild<QTabWidget*>(QStringLiteral("pcPreferences"));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        settle();
        EXPECT_TRUE(dialog->grab().save(folder + QStringLiteral("/prefs-%1.png").arg(i)));
    }
}

} // namespace
