// What the user can see and read on the real main window: every control inside its page,
// captions as written, text no smaller than 7 pt, the pages' colours under any theme.
#include "app/main_window.h"
#include "pages/calculator_page.h"
#include "tests/support/window_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Legibility : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }

    qn::pages::CalculatorPage* enter(const char* name)
    {
        m_window->gotoPage(QLatin1String(name));
        settle();
        return m_window->page(QLatin1String(name));
    }

    template <typename T>
    T* find(const char* page, const char* name)
    {
        T* widget = m_window->page(QLatin1String(page))->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

// What a label shows, as a screen reader reads it: "&&" is one "&", "&x" a mnemonic.
QStringList shownCaptions(const QWidget* page)
{
    QStringList captions;
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(label))
            captions.append(face->text(QAccessible::Name));
    }
    return captions;
}

TEST_F(Legibility, AmpersandsInCaptionsAreShown)
{
    const char* rows[][2] = {{"MQ", "Monthly Payment (P&I)"},
                             {"ECC", "Principal & Interest"},
                             {"ECC", "Estimated Prepaids & Reserves"}};
    for (const auto& [page, caption] : rows)
        EXPECT_TRUE(shownCaptions(enter(page)).contains(QLatin1String(caption))) << caption;
    takeMessages();
}

} // namespace
