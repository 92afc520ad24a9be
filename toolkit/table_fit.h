#pragma once

#include <QFont>

class QTableView;

namespace qn::toolkit {

// Gives the view (cells and headings) the largest font, up to `base`, at which the longest
// text of every column fits the column's width, so that large figures are shown whole
// rather than cut off. Texts are compared by length, then the longest is measured.
void fitTableFont(QTableView* view, const QFont& base);

} // namespace qn::toolkit
