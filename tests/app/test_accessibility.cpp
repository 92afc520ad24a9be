// Every page can be worked with a screen reader: each enabled input, grid and button has a
// name, read-only results say so, and every caption that names a field points at it.
#include "app/main_window.h"
#include "pages/calculator_page.h"
#include "pages/registry.h"
#include "tests/support/page_names.h"
#include "tests/support/window_fixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

QString accessibleName(QWidget* w)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

// The widgets of `root` a user can reach, with a description of each that has no name.
QStringList unnamed(QWidget* root)
{
    QStringList missing;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w)
                             || qobject_cast<QAbstractItemView*>(w);
        if (!control || !w->isVisibleTo(root) || !w->isEnabled())
            continue;
        if (w->objectName().startsWith(QStringLiteral("qt_")) || qobject_cast<QHeaderView*>(w))
            continue; // a grid's own parts (headings, scroll bar buttons)
        if (accessibleName(w).isEmpty())
            missing.append(QStringLiteral("%1 (%2)").arg(
                w->objectName(), QString::fromLatin1(w->metaObject()->className())));
    }
    return missing;
}

class Accessibility : public WindowFixture {};

TEST_F(Accessibility, EveryPageNamesItsControls)
{
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    EXPECT_EQ(unnamed(m_window.get()), QStringList{}) << "menu page and tool bar";
    for (const qn::pages::PageInfo& info : qn::pages::pageRegistry()) {
        if (!info.factory)
            continue;
        SCOPED_TRACE(info.name.toStdString());
        m_window->gotoChosenCalculator(info.name);
        settle();
        QWidget* page = m_window->page(info.name);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(unnamed(page), QStringList{});
        for (QLabel* label : page->findChildren<QLabel*>()) {
            QWidget* buddy = label->buddy();
            if (buddy && label->isVisibleTo(page)) {
                EXPECT_TRUE(buddy->isVisibleTo(page))
                    << label->text().toStdString() << " names a hidden field";
            }
        }
        for (QLineEdit* edit : page->findChildren<QLineEdit*>()) {
            if (!edit->isReadOnly() || !edit->isVisibleTo(page))
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(edit);
            ASSERT_NE(face, nullptr);
            EXPECT_TRUE(face->state().readOnly) << edit->objectName().toStdString();
        }
        takeMessages();
    }
}

TEST_F(Accessibility, FieldsAreNamedByTheirCaptions)
{
    m_window->gotoChosenCalculator(QStringLiteral("BW"));
    QWidget* page = m_window->page(QStringLiteral("BW"));
    const std::pair<const char*, const char*> fields[] = {
        {bw::kMortgageAmount.name, "Loan Amount"},
        {bw::kMortgagePeriods.name, "Number of Payments"},
        {bw::kMortgageHalfPayments.name, "Biweekly Payment"},
        {bw::kTimeSavedYears.name, "Years Saved"},
    };
    for (const auto& [name, caption] : fields)
        EXPECT_EQ(accessibleName(page->findChild<QWidget*>(QLatin1String(name))),
                  QLatin1String(caption))
            << name;
}

// A caption's ampersand is spoken as one: "Principal & Interest", not a mnemonic.
TEST_F(Accessibility, AnAmpersandInACaptionIsSpoken)
{
    m_window->gotoChosenCalculator(QStringLiteral("ECC"));
    QWidget* page = m_window->page(QStringLiteral("ECC"));
    EXPECT_EQ(accessibleName(page->findChild<QWidget*>(QLatin1String(ecc::kCPandI.name))),
              QStringLiteral("Principal & Interest"));
    takeMessages();
}

} // namespace
