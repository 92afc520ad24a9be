#pragma once

#include "pages/calculator_page.h"
#include "pages/failure_handler.h"
#include "pages/num_edit.h"
#include "pages/page_entry.h"
#include "pages/registry.h"
#include "tests/support/message_fixture.h"
#include "toolkit/guarded.h"
#include "toolkit/message_box.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHash>
#include <QLineEdit>
#include <QStackedLayout>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <utility>

// A window that hosts the calculator pages the way the shell does, without the shell: the
// pages' whole view of the world is this PageHost.
class PageHarness : public QWidget, public qn::pages::PageHost {
public:
    PageHarness() : m_failures(this, [this] { return m_current; })
    {
        m_stack = new QStackedLayout(this);
        resize(612, 366);
        qn::toolkit::setFailureHandler(
            [this](std::exception_ptr failure) { m_failures.report(failure); });
    }
    ~PageHarness() override { qn::toolkit::setFailureHandler({}); }

    qn::pages::SettingsValues& settings() override { return m_settings; }
    void saveSettingsKeys(const QStringList& keys) override { m_savedKeys.append(keys); }
    void setPrintingEnabled(bool on) override { m_printing = on; }
    bool printingEnabled() const override { return m_printing; }
    void setResetEnabled(bool on) override { m_reset = on; }
    bool resetEnabled() const { return m_reset; }
    void showHint(const QString& hint) override { m_hint = hint; }
    void closeCalculators() override { ++m_closeCalculators; }

    // Enters a page as the menu does: its navigation row, then its own entry.
    qn::pages::CalculatorPage* gotoPage(const QString& name)
    {
        const qn::pages::PageInfo* info = qn::pages::findPage(name);
        EXPECT_TRUE(info && info->factory) << name.toStdString();
        if (!info || !info->factory)
            return nullptr;
        qn::pages::CalculatorPage*& page = m_pages[name];
        if (!page) {
            page = qn::pages::createPage(*info, *this, this);
            m_stack->addWidget(page);
        }
        m_current = page;
        m_stack->setCurrentWidget(page);
        qn::pages::enterPage(*info, *page, *this);
        return page;
    }

    qn::pages::CalculatorPage* page(const QString& name) const { return m_pages.value(name); }

    // The shell's Reset button: the current page's reset, when the button is enabled. The
    // button takes the focus when clicked, so a field that has it is left first.
    void clickReset()
    {
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        if (m_reset && m_current)
            qn::toolkit::runGuarded([this] { m_current->reset(); });
    }

    void flushPendingFailures() { m_failures.flush(); }

    qn::pages::SettingsValues m_settings;
    QStringList m_savedKeys;
    QString m_hint;
    int m_closeCalculators = 0;

private:
    QStackedLayout* m_stack = nullptr;
    QHash<QString, qn::pages::CalculatorPage*> m_pages;
    qn::pages::CalculatorPage* m_current = nullptr;
    qn::pages::FailureQueue m_failures;
    bool m_printing = false;
    bool m_reset = false;
};

// Pages in a shown, active harness, every message box answered and recorded.
class PageFixture : public MessageFixture {
protected:
    void SetUp() override
    {
        MessageFixture::SetUp();
        m_window = std::make_unique<PageHarness>();
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        settle();
    }

    void TearDown() override
    {
        m_window.reset();
        MessageFixture::TearDown();
    }

    // Enters the field as Tab does (its text selected) and types, as a user would.
    static void typeInto(QLineEdit* field, const QString& keys)
    {
        field->setFocus(Qt::TabFocusReason);
        settle();
        field->selectAll();
        QTest::keyClicks(field, keys);
    }

    // Leaves whatever field has the focus, which runs its page's leave handler.
    static void leave()
    {
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        settle();
    }

    static void typeAndLeave(QLineEdit* field, const QString& keys)
    {
        typeInto(field, keys);
        leave();
    }

    template <typename T> T* find(const QString& pageName, const char* name)
    {
        auto* page = m_window->page(pageName);
        EXPECT_NE(page, nullptr);
        auto* widget = page ? page->findChild<T*>(QLatin1String(name)) : nullptr;
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    std::unique_ptr<PageHarness> m_window;
};

// The tests of one page: entered as the menu does before each test (or, where a test changes
// the settings first, by the test), its numeric fields found by name.
class OnePageFixture : public PageFixture {
protected:
    explicit OnePageFixture(const char* page, bool enterFirst = true)
        : m_page(QLatin1String(page)), m_enterFirst(enterFirst)
    {
    }
    void SetUp() override
    {
        PageFixture::SetUp();
        if (m_enterFirst)
            enter();
    }
    void enter()
    {
        m_window->gotoPage(m_page);
        settle();
    }

    using PageFixture::find;
    // A widget of this page.
    template <typename T> T* find(const char* name) { return find<T>(m_page, name); }
    qn::pages::NumericField* field(const char* name) { return find<qn::pages::NumericField>(name); }
    double value(const char* name) { return field(name)->value(); }
    // Each field holds its figure to the cent.
    struct Cents {
        const qn::pages::FieldSpec& field;
        double value;
    };
    void expectCents(std::initializer_list<Cents> expected)
    {
        for (const Cents& e : expected)
            EXPECT_NEAR(value(e.field.name), e.value, 0.005) << e.field.name;
    }
    QString text(const char* name) { return field(name)->displayText(); }
    void type(const char* name, const QString& keys) { typeInto(field(name), keys); }

    const QString m_page;

private:
    bool m_enterFirst;
};
