#include "toolkit/table_text.h"

#include <QAbstractItemModel>
#include <QStringList>

#include <algorithm>

namespace qn::toolkit {

QString TableAsTsv(const QAbstractItemModel& model, const QModelIndexList& selected,
                   bool withHeadings)
{
    int top = 0;
    int bottom = model.rowCount() - 1;
    int left = 0;
    int right = model.columnCount() - 1;
    QStringList lines;
    if (!selected.isEmpty()) {
        top = bottom = selected.front().row();
        left = right = selected.front().column();
        for (const QModelIndex& i : selected) {
            top = std::min(top, i.row());
            bottom = std::max(bottom, i.row());
            left = std::min(left, i.column());
            right = std::max(right, i.column());
        }
    } else if (withHeadings) {
        QStringList heads;
        for (int c = left; c <= right; ++c)
            heads.append(model.headerData(c, Qt::Horizontal).toString().trimmed());
        lines.append(heads.join(u'\t'));
    }
    for (int r = top; r <= bottom; ++r) {
        QStringList cells;
        for (int c = left; c <= right; ++c)
            cells.append(model.index(r, c).data().toString().trimmed());
        lines.append(cells.join(u'\t'));
    }
    return lines.join(u'\n') + u'\n';
}

QString CsvLine(const QStringList& fields)
{
    QStringList out;
    for (QString field : fields) {
        if (field.contains(u',') || field.contains(u'"') || field.contains(u'\n')) {
            field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            field = u'"' + field + u'"';
        }
        out.append(field);
    }
    return out.join(u',');
}

} // namespace qn::toolkit
