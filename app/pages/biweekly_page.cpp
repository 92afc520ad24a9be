#include "app/pages/biweekly_page.h"

namespace qn::app {

BiweeklyPage::BiweeklyPage(TfrmMain& main, QWidget* parent) : CalculatorPage(main, parent) {}

NavigationRow BiweeklyPage::navigationRow() const
{
    return {QStringLiteral("Bi-weekly Payments"), true, NavigationRow::Button::Enabled,
            NavigationRow::Button::Enabled};
}

void BiweeklyPage::enter() {}

void BiweeklyPage::reset() {}

} // namespace qn::app
