#pragma once

#include <QJsonObject>

class QWidget;

namespace qn::pages {

struct PageInfo;

// What a page declares about its controls, for checks made from outside the program (the
// accessibility walk): {"page", "menuItem", "fields", "tabOrder"}. Each field has its
// "objectName", "caption" (what a screen reader should announce), "kind" (input, result,
// button, choice or grid) and "path", the child indexes that lead to it from the page in the
// accessibility tree, since that tree carries no object names. "tabOrder" lists the object
// names of the page's tab stops in the order Tab visits them, hidden or disabled ones too.
QJsonObject describePage(const PageInfo& info, QWidget* page);

} // namespace qn::pages
