#include "pages/registry.h"

#include "pages/field_fit.h"
#include "toolkit/keyboard.h"
#include "toolkit/widgets.h"

#include "pages/amortization_page.h"
#include "pages/biweekly_page.h"
#include "pages/loan_spread_page.h"
#include "pages/closing_costs_page.h"
#include "pages/mortgage_qualifier_page.h"
#include "pages/quick_calculator_page.h"
#include "pages/refinancing_page.h"
#include "pages/rent_vs_buy_page.h"

#include <QLineEdit>

#include <algorithm>

namespace qn::pages {

namespace {

template <typename Page>
CalculatorPage* make(PageHost& host, QWidget* parent)
{
    return new Page(host, parent);
}

using B = NavigationRow::Button;

std::vector<PageInfo> buildRegistry()
{
    auto s = [](const char* text) { return QString::fromLatin1(text); };
    // Notebook order. menuOrder and buttonOrder place each calculator in the menus and
    // on the menu page, whose orders differ from the notebook's.
    return {
        {s("QC"), 20, {s("Quick Calculator"), false, B::Unchanged, B::Enabled}, s("QC"),
         s("&Quick Calculator"), 0, s("btnQC"), s("  Quick Calculator"),
         s("Go to Quick Calculator"), 0, &make<QuickCalculatorPage>},
        {s("ECC"), 70, {s("Estimated Closing Costs"), true, B::Enabled, B::Enabled}, s("ECC"),
         s("&Estimated Closing Costs"), 4, s("btnECC"), s("  Estimated Closing Costs"),
         s("Go to Estimated Closing Costs"), 3, &make<ClosingCostsPage>},
        {s("MQ"), 30, {s("Mortgage Qualifier"), true, B::Enabled, B::Enabled}, s("MQ"),
         s("&Mortgage Qualifier"), 1, s("btnMQ"), s("  Mortgage Qualifier"),
         s("Go to Mortgage Qualifier"), 1, &make<MortgageQualifierPage>},
        {s("BW"), 100, {s("Bi-weekly Payments"), true, B::Enabled, B::Enabled}, s("BW"),
         s("&Biweekly Payments"), 7, s("btnBW"), s("  Biweekly Payments"),
         s("Go to Biweekly Payments"), 5, &make<BiweeklyPage>},
        {s("RC"), 80, {s("Refinancing Calculator"), true, B::Enabled, B::Enabled}, s("RC"),
         s("&Refinancing Calculator"), 5, s("btnRC"), s("  Refinancing Calculator"),
         s("Go to Refinancing Calculator"), 6, &make<RefinancingPage>},
        {s("LS"), 40, {s("Loan Spread Calculator"), true, B::Disabled, B::Enabled}, s("LSC"),
         s("Loan &Spread Calculator"), 2, s("btnLSC"), s("  Loan Spread Calculator"),
         s("Go to Loan Spread Calculator"), 4, &make<LoanSpreadPage>},
        {s("Amort"), 50, {s("Loan Amortizations"), false, B::Enabled, B::Enabled}, s("Amort"),
         s("Loan &Amortizations"), 3, s("btnAmort"), s("  Loan Amortizations"),
         s("Go to Amortizations"), 2, &make<AmortizationPage>},
        {s("RVB"), 90, {s("Rent vs. Buy Calculator"), true, B::Enabled, B::Enabled}, s("RVB"),
         s("Rent &vs Buy Calculator"), 6, s("btnRVB"), s("  Rent vs. Buy Calculator"),
         s("Go to Rent vs. Buy Calculator"), 7, &make<RentVsBuyPage>},
    };
}

std::vector<const PageInfo*> sortedBy(int PageInfo::*order)
{
    std::vector<const PageInfo*> rows;
    for (const PageInfo& info : pageRegistry())
        rows.push_back(&info);
    std::stable_sort(rows.begin(), rows.end(),
                     [order](const PageInfo* a, const PageInfo* b) { return a->*order < b->*order; });
    return rows;
}

} // namespace

const std::vector<PageInfo>& pageRegistry()
{
    static const std::vector<PageInfo> registry = buildRegistry();
    return registry;
}

const PageInfo* findPage(const QString& name)
{
    for (const PageInfo& info : pageRegistry()) {
        if (info.name == name)
            return &info;
    }
    return nullptr;
}

int notebookIndex(const QString& name)
{
    if (name == kMenuPageName)
        return 0;
    const std::vector<PageInfo>& registry = pageRegistry();
    for (std::size_t i = 0; i < registry.size(); ++i) {
        if (registry[i].name == name)
            return static_cast<int>(i) + 1;
    }
    return -1;
}

std::vector<const PageInfo*> pagesInMenuOrder() { return sortedBy(&PageInfo::menuOrder); }
std::vector<const PageInfo*> pagesInButtonOrder() { return sortedBy(&PageInfo::buttonOrder); }

CalculatorPage* createPage(const PageInfo& info, PageHost& host, QWidget* parent)
{
    if (!info.factory)
        return nullptr;
    CalculatorPage* page = info.factory(host, parent);
    page->setObjectName(info.name);
    page->setProperty("helpContext", info.helpContext);
    toolkit::applyDesignedLook(page);
    for (QLineEdit* field : page->findChildren<QLineEdit*>())
        keepTextWhole(field);
    toolkit::pressButtonsWithEnter(page);
    return page;
}

} // namespace qn::pages
