#include "toolkit/table_fit.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>
#include <vector>

namespace qn::toolkit {

void fitTableFont(QTableView* view, const QFont& base)
{
    const QAbstractItemModel* model = view->model();
    if (!model)
        return;
    const int columns = model->columnCount();
    std::vector<QString> longest(static_cast<std::size_t>(columns));
    std::vector<QString> headings;
    if (!view->horizontalHeader()->isHidden()) {
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
    // Room for the cell's margins and grid line.
    constexpr int kPadding = 8;
    qreal size = base.pointSizeF();
    QFont font = base;
    auto fits = [&] {
        const QFontMetrics metrics(font);
        for (int c = 0; c < columns; ++c) {
            const auto i = static_cast<std::size_t>(c);
            int widest = metrics.horizontalAdvance(longest[i]);
            if (i < headings.size())
                widest = std::max(widest, metrics.horizontalAdvance(headings[i]));
            if (widest + kPadding > view->columnWidth(c))
                return false;
        }
        return true;
    };
    while (size > 5 && !fits()) {
        size -= 0.5;
        font.setPointSizeF(size);
    }
    if (view->font() != font)
        view->setFont(font);
    // A style sheet on the view would override a plain font on its header; say it in one.
    const QString headerSheet = QStringLiteral("QHeaderView { font-size: %1pt; }").arg(size);
    if (view->horizontalHeader()->styleSheet() != headerSheet)
        view->horizontalHeader()->setStyleSheet(headerSheet);
}

} // namespace qn::toolkit
