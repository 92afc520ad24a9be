// The pages as their field tables declare them: named and captioned as declared, tabbed in
// the declared order, and their inputs listed and put back.
#include "pages/page_snapshot.h"
#include "pages/registry.h"
#include "tests/support/page_fixture.h"
#include "tests/support/page_names.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using qn::pages::PageInputs;

class PageFieldsTest : public PageFixture {
protected:
    // The names of the page's Tab stops in the order Tab takes them.
    static QStringList focusChain(QWidget* page)
    {
        QStringList stops;
        for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
            if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus))
                stops.append(w->objectName());
        }
        return stops;
    }
};

TEST_F(PageFieldsTest, EveryDeclaredFieldIsMadeAsDeclared)
{
    for (const qn::pages::PageInfo& info : qn::pages::pageRegistry()) {
        SCOPED_TRACE(info.name.toStdString());
        qn::pages::CalculatorPage* page = m_window->gotoPage(info.name);
        settle();
        QStringList declared;
        for (QWidget* stop : page->fields().tabOrder()) {
            if (stop->focusPolicy() & Qt::TabFocus)
                declared.append(stop->objectName());
        }
        EXPECT_EQ(declared, focusChain(page));
        for (QLineEdit* edit : page->findChildren<QLineEdit*>()) {
            if (edit->objectName().startsWith(QStringLiteral("qt_")))
                continue; // a part of Qt's own
            const qn::pages::FieldSpec* spec = page->fields().specOf(edit);
            ASSERT_NE(spec, nullptr) << edit->objectName().toStdString() << " is not declared";
            EXPECT_EQ(edit->objectName(), QLatin1String(spec->name));
            EXPECT_EQ(edit->accessibleName(), qn::pages::spokenCaption(*spec)) << spec->name;
            // An input may look like a result for a while (a locked amount, which says so
            // after its description); a result never takes typing, and says it is computed.
            const QString description = edit->accessibleDescription();
            if (spec->role != qn::pages::FieldRole::Input) {
                EXPECT_TRUE(edit->isReadOnly()) << spec->name;
                EXPECT_EQ(description,
                          qn::pages::spokenDescription(*spec, QLatin1String(qn::pages::kComputed)));
            } else {
                EXPECT_TRUE(description.startsWith(qn::pages::spokenDescription(*spec, {})))
                    << spec->name;
            }
        }
        takeMessages();
    }
}

// What a page's inputs() lists, put back after Reset, shows the same results again.
TEST_F(PageFieldsTest, InputsPutBackGiveTheSameResults)
{
    struct Case {
        const char* page;
        const char* field;
        const char* typed;
    };
    const Case cases[] = {
        {"BW", qn::pages::bw::kMortgageInterest.name, "6.5"},
        {"RVB", qn::pages::rvb::kMonthlyRent.name, "1234"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        const QString name = QLatin1String(c.page);
        qn::pages::CalculatorPage* page = m_window->gotoPage(name);
        settle();
        typeAndLeave(page->findChild<QLineEdit*>(QLatin1String(c.field)), QLatin1String(c.typed));
        const PageInputs inputs = page->inputs();
        EXPECT_FALSE(inputs.values.empty());
        const auto shown = qn::pages::takeSnapshot(name, page);

        m_window->clickReset();
        settle();
        ASSERT_NE(page->inputs(), inputs);
        page->setInputs(inputs);
        settle();
        EXPECT_EQ(page->inputs(), inputs);
        EXPECT_EQ(qn::pages::takeSnapshot(name, page).fields, shown.fields);
        takeMessages();
    }
}

// The index path is a choice of the adjustable rate's panel, open only once the rate type is.
TEST_F(PageFieldsTest, AChoiceThatOpensAnotherGroupComesFirst)
{
    qn::pages::CalculatorPage* page = m_window->gotoPage(QStringLiteral("Amort"));
    settle();
    PageInputs inputs = page->inputs();
    inputs.choices[QLatin1String(qn::pages::amort::kRgRateType)] = 1;
    inputs.choices[QLatin1String(qn::pages::amort::kRgArmPath)] = 2;
    page->setInputs(inputs);
    settle();
    EXPECT_EQ(page->inputs().choices, inputs.choices);
}

TEST_F(PageFieldsTest, AnInputThePageDoesNotHaveIsRefusedBeforeAnythingChanges)
{
    qn::pages::CalculatorPage* page = m_window->gotoPage(QStringLiteral("BW"));
    settle();
    const PageInputs before = page->inputs();
    PageInputs wrong = before;
    wrong.values[QLatin1String(qn::pages::bw::kMortgageAmount.name)] = 1;
    wrong.values[QLatin1String(qn::pages::bw::kMortgagePayments.name)] = 1; // a result
    EXPECT_THROW(page->setInputs(wrong), std::invalid_argument);
    wrong = before;
    wrong.choices[QStringLiteral("rgNone")] = 0;
    EXPECT_THROW(page->setInputs(wrong), std::invalid_argument);
    EXPECT_EQ(page->inputs(), before);
}

} // namespace
