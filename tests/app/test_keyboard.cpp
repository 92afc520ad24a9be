// The keyboard throughout: mnemonics that reach what they name, Enter on buttons and fields,
// and the schedule's selection and copying.
#include "app/about_box.h"
#include "app/close_dialog.h"
#include "app/disclaimer.h"
#include "app/help_window.h"
#include "app/prefs_dialog.h"
#include "pages/amortization_page.h"
#include "pages/calculator_page.h"
#include "pages/num_edit.h"
#include "pages/registry.h"
#include "reports/preview.h"
#include "tests/support/page_names.h"
#include "tests/support/window_fixture.h"
#include "toolkit/keyboard.h"
#include "update/update_center.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using qn::pages::NumericField;

namespace {

class Keyboard : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }

    template <typename T> T* find(const QString& page, const char* name)
    {
        T* widget = m_window->page(page)->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(m_window->windowHandle(), static_cast<Qt::Key>(key), modifiers);
        settle();
    }
};

// The keys that occur more than once among what can be pressed in the window now, and in
// each of its menus.
QStringList duplicates(const QWidget* window)
{
    QStringList found;
    auto check = [&found](const QList<QChar>& keys, const QString& where) {
        QSet<QChar> seen;
        for (QChar key : keys)
            if (seen.contains(key))
                found.append(where + QStringLiteral(": Alt+") + key.toUpper());
            else
                seen.insert(key);
    };
    QList<QChar> keys;
    for (const qn::toolkit::Mnemonic& m : qn::toolkit::mnemonicsIn(window, true))
        keys.append(m.key);
    check(keys, window->objectName());
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        QList<QChar> items;
        for (const QAction* action : menu->actions())
            if (const QChar k = qn::toolkit::mnemonicKey(action->text()); !k.isNull())
                items.append(k);
        check(items, menu->objectName());
    }
    return found;
}

// Every window and every state of a page that shows other buttons (a panel open) has each
// mnemonic once; the page's own keys win over the menu bar's while it is shown.
TEST_F(Keyboard, MnemonicsAreUniqueInEveryWindow)
{
    struct State {
        const char* page;
        const char* button; // opens a panel, or null
    };
    const State states[] = {{"Menu", nullptr},
                            {"QC", nullptr},
                            {"ECC", nullptr},
                            {"ECC", ecc::kBtnCalcClosing},
                            {"ECC", ecc::kBtnCalcEscrows},
                            {"ECC", ecc::kBtnCalcLoanCosts},
                            {"MQ", nullptr},
                            {"BW", nullptr},
                            {"RC", nullptr},
                            {"RC", rc::kBtnCalcFees},
                            {"LS", nullptr},
                            {"Amort", nullptr},
                            {"Amort", amort::kBtnAddExtraPayments},
                            {"RVB", nullptr}};
    for (const State& s : states) {
        SCOPED_TRACE(s.page);
        m_window->gotoPage(QLatin1String(s.page));
        settle();
        if (s.button)
            find<QAbstractButton>(QLatin1String(s.page), s.button)->click();
        EXPECT_EQ(duplicates(m_window.get()), QStringList()) << (s.button ? s.button : "");
    }
    takeMessages();

    qn::app::TfrmPrefs prefs(settingsFile(), m_window->settings(), m_window.get());
    auto* tabs = prefs.findChild<QTabWidget*>();
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        EXPECT_EQ(duplicates(&prefs), QStringList()) << "tab " << i;
    }
    qn::app::TAboutBox about(m_window.get());
    qn::app::TfrmDisclaim disclaimer(m_window.get());
    qn::app::TfrmClose close(m_window.get());
    qn::update::TfrmUpdate update(m_window->webFileInfo(), m_window.get());
    qn::reports::TfrmPreview preview(m_window.get());
    for (const QWidget* dialog : std::initializer_list<const QWidget*>{
             &about, &disclaimer, &close, &update, &preview, qn::app::HelpWindow::instance()})
        EXPECT_EQ(duplicates(dialog), QStringList()) << dialog->metaObject()->className();
    qn::app::HelpWindow::closeHelp();

    // Alt+P is the Quick Calculator's "&Payment Amount", not the Preferences menu.
    m_window->gotoPage(QStringLiteral("QC"));
    settle();
    key(Qt::Key_P, Qt::AltModifier);
    auto* payment = find<NumericField>(QStringLiteral("QC"), qc::kPMT.name);
    EXPECT_TRUE(QTest::qWaitFor([payment] { return !payment->isEnabled(); }));
}

// Enter presses a focused button, and in a field of a page that computes on leaving it
// computes as leaving would, the focus staying with the text selected.
TEST_F(Keyboard, EnterPressesTheButtonOrComputesTheField)
{
    const QString amort = QStringLiteral("Amort");
    m_window->gotoPage(amort);
    settle();
    find<NumericField>(amort, amort::kNumPmts.name)->setValue(180);
    find<QPushButton>(amort, amort::kBtnCalculate)->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Return);
    auto* page = static_cast<qn::pages::AmortizationPage*>(m_window->page(amort));
    EXPECT_EQ(page->gridRowCount(), 181);

    const QString bw = QStringLiteral("BW");
    m_window->gotoPage(bw);
    settle();
    auto* loan = find<NumericField>(bw, bw::kMortgageAmount.name);
    loan->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(loan, QStringLiteral("200000"));
    key(Qt::Key_Enter);
    EXPECT_EQ(find<NumericField>(bw, bw::kMortgagePayments.name)->text(),
              QStringLiteral("$1,573.40"));
    EXPECT_TRUE(loan->hasFocus());
    EXPECT_EQ(loan->selectedText(), QStringLiteral("200,000.00"));
    EXPECT_TRUE(takeMessages().isEmpty());
}

// Ctrl+A selects the whole schedule and Ctrl+C copies the selection; the grid's menu copies
// the whole table with its headings whatever is selected.
TEST_F(Keyboard, TheScheduleSelectsAndCopiesAll)
{
    const QString amort = QStringLiteral("Amort");
    m_window->gotoPage(amort);
    settle();
    auto* grid = find<QTableView>(amort, amort::kGrdAmortization);
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(4, 2));
    auto lines = [] { return QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts); };

    QAction* copyTable = nullptr;
    for (QAction* action : grid->actions())
        if (action->text() == QStringLiteral("Copy &Table"))
            copyTable = action;
    ASSERT_NE(copyTable, nullptr);
    EXPECT_EQ(grid->contextMenuPolicy(), Qt::ActionsContextMenu);
    copyTable->trigger();
    ASSERT_EQ(lines().size(), 361);
    EXPECT_EQ(lines().front().split(u'\t').at(3), QStringLiteral("Principal To Date"));

    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(grid->selectionModel()->selectedIndexes().size(), 360 * 7);
    key(Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(lines().size(), 360);
    EXPECT_EQ(lines().back().split(u'\t').at(6), QStringLiteral("$0.00"));
}

} // namespace
