#pragma once

#include <QJsonObject>

class QWidget;

namespace qn::pages {

class CalculatorPage;
class PageFields;
struct PageInfo;

// What a page declares about its controls, for checks made from outside the program (the
// accessibility walk): {"page", "menuItem", "fields", "tabOrder"}. Each field has its
// "objectName", "caption" (what a screen reader should announce: a declared field's caption,
// a button's text), "description" (what it says after its name: a unit, a row or column,
// whether it is computed), "kind" (input, result, button, choice or grid, as it stands now) and
// "path", the child indexes that lead to it from the page in the accessibility tree, since
// that tree carries no object names. "tabOrder" lists the object names of the stops the page
// declares, in its order, that take Tab now, hidden or disabled ones too.
QJsonObject describePage(const PageInfo& info, const CalculatorPage* page);

// The same {"fields", "tabOrder"} of any window or part built from field tables (a dialog),
// the paths leading from root.
QJsonObject describeControls(const QWidget* root, const PageFields& declared);

} // namespace qn::pages
