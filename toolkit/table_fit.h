#pragma once

#include <QFont>

#include <vector>

class QTableView;

namespace qn::toolkit {

// Gives the view (cells and headings) the largest font, from `base` down to kSmallestPoint,
// at which the longest text of every column fits its designed width, so that large figures
// are shown whole rather than cut off. Where even the smallest font does not fit, the column
// grows to its text and the view scrolls sideways. Headings are measured bold when the view
// shows the current column's heading in bold. Texts are compared by length, then the longest
// is measured.
void fitTableFont(QTableView* view, const QFont& base, const std::vector<int>& widths);

} // namespace qn::toolkit
