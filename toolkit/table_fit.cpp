#include "toolkit/table_fit.h"

#include "toolkit/widgets.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace qn::toolkit {

void fitTableFont(QTableView* view, const QFont& base, const std::vector<int>& widths)
{
    const QAbstractItemModel* model = view->model();
    if (!model)
        return;
    const int columns = model->columnCount();
    std::vector<QString> longest(static_cast<std::size_t>(columns));
    std::vector<QString> headings;
    const QHeaderView* header = view->horizontalHeader();
    if (!header->isHidden()) {
        for (int c = 0; c < columns; ++c)
            headings.push_back(model->headerData(c, Qt::Horizontal).toString());
    }
    for (int c = 0; c < columns; ++c) {
        QString& text = longest[static_cast<std::size_t>(c)];
        for (int r = 0; r < model->rowCount(); ++r) {
            const QString cell = model->index(r, c).data().toString();
            if (cell.size() > text.size())
                text = cell;
        }
    }
    auto designed = [&](int c) {
        return static_cast<std::size_t>(c) < widths.size() ? widths[static_cast<std::size_t>(c)]
                                                           : view->columnWidth(c);
    };
    // Room for the cell's margins and grid line.
    constexpr int kPadding = 8;
    auto needed = [&](const QFont& font, int c) {
        const auto i = static_cast<std::size_t>(c);
        int widest = QFontMetrics(font).horizontalAdvance(longest[i]);
        if (i < headings.size()) {
            QFont heading = font;
            heading.setBold(header->highlightSections()); // the current column's heading
            widest = std::max(widest, QFontMetrics(heading).horizontalAdvance(headings[i]));
        }
        return widest + kPadding;
    };
    auto fits = [&](const QFont& font) {
        for (int c = 0; c < columns; ++c) {
            if (needed(font, c) > designed(c))
                return false;
        }
        return true;
    };
    QFont font = base;
    qreal size = std::max(base.pointSizeF(), kSmallestPoint);
    font.setPointSizeF(size);
    while (size - 0.5 >= kSmallestPoint && !fits(font)) {
        size -= 0.5;
        font.setPointSizeF(size);
    }
    for (int c = 0; c < columns; ++c)
        view->setColumnWidth(c, std::max(designed(c), needed(font, c)));
    if (view->font() != font)
        view->setFont(font);
    // A style sheet on the view would override a plain font on its header; say it in one,
    // family and all (a size alone would be drawn in the application's family).
    const QString headerSheet = QStringLiteral("QHeaderView { font-family: \"%1\"; "
                                               "font-size: %2pt; }")
                                    .arg(font.family())
                                    .arg(size);
    if (view->horizontalHeader()->styleSheet() != headerSheet)
        view->horizontalHeader()->setStyleSheet(headerSheet);
}

} // namespace qn::toolkit
