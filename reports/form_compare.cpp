// The scenarios compared: the page's table as it shows it, the best figures marked.
#include "pages/page_controls.h"
#include "reports/form_parts.h"

namespace qn::reports {

using namespace parts;

void CompareSheet(Band& b, const Figures& f)
{
    const std::vector<QStringList>& rows = f.grid(pages::cmp::kGrdCompare);
    b.height = 40.0 + 34.0 * static_cast<double>(rows.size());
    const double widths[] = {330, 195, 195, 195, 195};
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const double top = 34.0 * static_cast<double>(r);
        double left = kLeft;
        for (qsizetype c = 0; c < rows[r].size() && c < qsizetype(std::size(widths)); ++c) {
            const double width = widths[c];
            b.add(label(QStringLiteral("lblCell%1_%2").arg(r).arg(c), rows[r][c],
                        QRectF(left, top, width - 10, 26), c == 0 ? Qt::AlignLeft : Qt::AlignRight,
                        11, r == 0 || rows[r][c].contains(u'\u2713')));
            left += width;
        }
        if (r == 0)
            b.add(line(top + 30));
    }
}

} // namespace qn::reports
