#include "pages/registry.h"

#include "pages/field_fit.h"
#include "toolkit/keyboard.h"
#include "toolkit/widgets.h"

#include "pages/amortization_page.h"
#include "pages/biweekly_page.h"
#include "pages/closing_costs_page.h"
#include "pages/compare_page.h"
#include "pages/loan_spread_page.h"
#include "pages/mortgage_qualifier_page.h"
#include "pages/quick_calculator_page.h"
#include "pages/refinancing_page.h"
#include "pages/rent_vs_buy_page.h"

#include <QLineEdit>

#include <algorithm>

namespace qn::pages {

namespace {

template <typename Page> CalculatorPage* make(PageHost& host, QWidget* parent)
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
        {.name = s("QC"),
         .helpContext = 20,
         .navigation = {.calculatorName = s("Quick Calculator"),
                        .printing = false,
                        .reset = B::Unchanged,
                        .menu = B::Enabled},
         .itemSuffix = s("QC"),
         .itemCaption = s("&Quick Calculator"),
         .menuOrder = 0,
         .buttonName = s("btnQC"),
         .buttonCaption = s("  Quick Calculator"),
         .buttonHint = s("Go to Quick Calculator"),
         .buttonOrder = 0,
         .factory = &make<QuickCalculatorPage>},
        {.name = s("ECC"),
         .helpContext = 70,
         .navigation = {.calculatorName = s("Estimated Closing Costs"),
                        .printing = true,
                        .reset = B::Enabled,
                        .menu = B::Enabled},
         .itemSuffix = s("ECC"),
         .itemCaption = s("&Estimated Closing Costs"),
         .menuOrder = 4,
         .buttonName = s("btnECC"),
         .buttonCaption = s("  Estimated Closing Costs"),
         .buttonHint = s("Go to Estimated Closing Costs"),
         .buttonOrder = 3,
         .factory = &make<ClosingCostsPage>},
        {.name = s("MQ"),
         .helpContext = 30,
         .navigation = {.calculatorName = s("Mortgage Qualifier"),
                        .printing = true,
                        .reset = B::Enabled,
                        .menu = B::Enabled},
         .itemSuffix = s("MQ"),
         .itemCaption = s("&Mortgage Qualifier"),
         .menuOrder = 1,
         .buttonName = s("btnMQ"),
         .buttonCaption = s("  Mortgage Qualifier"),
         .buttonHint = s("Go to Mortgage Qualifier"),
         .buttonOrder = 1,
         .factory = &make<MortgageQualifierPage>},
        {.name = s("BW"),
         .helpContext = 100,
         .navigation = {.calculatorName = s("Bi-weekly Payments"),
                        .printing = true,
                        .reset = B::Enabled,
                        .menu = B::Enabled},
         .itemSuffix = s("BW"),
         .itemCaption = s("&Biweekly Payments"),
         .menuOrder = 7,
         .buttonName = s("btnBW"),
         .buttonCaption = s("  Biweekly Payments"),
         .buttonHint = s("Go to Biweekly Payments"),
         .buttonOrder = 5,
         .factory = &make<BiweeklyPage>},
        {.name = s("RC"),
         .helpContext = 80,
         .navigation = {.calculatorName = s("Refinancing Calculator"),
                        .printing = true,
                        .reset = B::Enabled,
                        .menu = B::Enabled},
         .itemSuffix = s("RC"),
         .itemCaption = s("&Refinancing Calculator"),
         .menuOrder = 5,
         .buttonName = s("btnRC"),
         .buttonCaption = s("  Refinancing Calculator"),
         .buttonHint = s("Go to Refinancing Calculator"),
         .buttonOrder = 6,
         .factory = &make<RefinancingPage>},
        {.name = s("LS"),
         .helpContext = 40,
         .navigation = {.calculatorName = s("Loan Spread Calculator"),
                        .printing = true,
                        .reset = B::Disabled,
                        .menu = B::Enabled},
         .itemSuffix = s("LSC"),
         .itemCaption = s("Loan &Spread Calculator"),
         .menuOrder = 2,
         .buttonName = s("btnLSC"),
         .buttonCaption = s("  Loan Spread Calculator"),
         .buttonHint = s("Go to Loan Spread Calculator"),
         .buttonOrder = 4,
         .factory = &make<LoanSpreadPage>},
        {.name = s("Amort"),
         .helpContext = 50,
         .navigation = {.calculatorName = s("Loan Amortizations"),
                        .printing = false,
                        .reset = B::Enabled,
                        .menu = B::Enabled},
         .itemSuffix = s("Amort"),
         .itemCaption = s("Loan &Amortizations"),
         .menuOrder = 3,
         .buttonName = s("btnAmort"),
         .buttonCaption = s("  Loan Amortizations"),
         .buttonHint = s("Go to Amortizations"),
         .buttonOrder = 2,
         .factory = &make<AmortizationPage>},
        {.name = s("RVB"),
         .helpContext = 90,
         .navigation = {.calculatorName = s("Rent vs. Buy Calculator"),
                        .printing = true,
                        .reset = B::Enabled,
                        .menu = B::Enabled},
         .itemSuffix = s("RVB"),
         .itemCaption = s("Rent &vs Buy Calculator"),
         .menuOrder = 6,
         .buttonName = s("btnRVB"),
         .buttonCaption = s("  Rent vs. Buy Calculator"),
         .buttonHint = s("Go to Rent vs. Buy Calculator"),
         .buttonOrder = 7,
         .factory = &make<RentVsBuyPage>},
        {.name = s("Compare"),
         .helpContext = 110,
         .navigation = {.calculatorName = s("Compare Scenarios"),
                        .printing = true,
                        .reset = B::Enabled,
                        .menu = B::Enabled},
         .itemSuffix = s("Compare"),
         .itemCaption = s("&Compare Scenarios"),
         .menuOrder = 8,
         .buttonName = s("btnCompare"),
         .buttonCaption = s("  Compare Scenarios"),
         .buttonHint = s("Go to Compare Scenarios"),
         .buttonOrder = 8,
         .factory = &make<ComparePage>},
    };
}

std::vector<const PageInfo*> sortedBy(int PageInfo::*order)
{
    std::vector<const PageInfo*> rows;
    for (const PageInfo& info : pageRegistry())
        rows.push_back(&info);
    std::stable_sort(rows.begin(), rows.end(), [order](const PageInfo* a, const PageInfo* b) {
        return a->*order < b->*order;
    });
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
