#include "pages/page_entry.h"

#include "pages/calculator_page.h"
#include "pages/registry.h"
#include "toolkit/guarded.h"

namespace qn::pages {

void enterPage(const PageInfo& info, CalculatorPage& page, PageHost& host,
               const std::function<void()>& show)
{
    using Button = NavigationRow::Button;
    const NavigationRow& row = info.navigation;
    host.setPrintingEnabled(row.printing);
    if (row.reset != Button::Unchanged)
        host.setResetEnabled(row.reset == Button::Enabled);
    if (show)
        show();
    toolkit::runGuarded([&page] { page.enter(); });
}

} // namespace qn::pages
