#pragma once

#include <functional>

namespace qn::pages {

class CalculatorPage;
class PageHost;
struct PageInfo;

// Enters a page as the menu does, for every host alike (the main window, the headless run,
// the tests): the navigation row's printing and Reset switches on the host, then whatever
// the host does to show the page, then the page's own entry, guarded.
void enterPage(const PageInfo& info, CalculatorPage& page, PageHost& host,
               const std::function<void()>& show = {});

} // namespace qn::pages
