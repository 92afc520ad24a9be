#pragma once

#include "pages/calculator_page.h"

#include <QString>

#include <vector>

namespace qn::pages {

// What entering a calculator does to the shell before the page's own enter().
struct NavigationRow {
    enum class Button { Enabled, Disabled, Unchanged };
    QString calculatorName; // shown in the side strip
    bool printing = false;  // printing switch on entry
    Button reset = Button::Unchanged;
    Button menu = Button::Enabled;
};

using PageFactory = CalculatorPage* (*)(PageHost& host, QWidget* parent);

// One calculator: everything the shell, the menus and the headless run know of it.
struct PageInfo {
    QString name; // notebook page name: "QC", "Amort", ...
    int helpContext = 0;
    NavigationRow navigation;
    QString itemSuffix;  // the calculator items are named by prefix + suffix
    QString itemCaption; // "&Quick Calculator"
    int menuOrder = 0;   // place in the Calculators menu and both pop-ups
    QString buttonName;  // the menu page's button
    QString buttonCaption;
    QString buttonHint;
    int buttonOrder = 0;           // place on the menu page
    PageFactory factory = nullptr; // none: the calculator is not available yet
};

// The menu page: its help context and its place in the notebook.
inline const QString kMenuPageName = QStringLiteral("Menu");
constexpr int kMenuHelpContext = 5;

// Every calculator in notebook order (the menu page comes before them).
const std::vector<PageInfo>& pageRegistry();
const PageInfo* findPage(const QString& name);
// Notebook index of a page name, the menu page being 0; -1 when unknown.
int notebookIndex(const QString& name);
std::vector<const PageInfo*> pagesInMenuOrder();
std::vector<const PageInfo*> pagesInButtonOrder();

// Builds the page, named and given its help context; nullptr when it has no factory.
CalculatorPage* createPage(const PageInfo& info, PageHost& host, QWidget* parent);

} // namespace qn::pages
