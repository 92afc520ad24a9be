#pragma once

#include <QModelIndexList>
#include <QString>

class QAbstractItemModel;

namespace qn::toolkit {

// The cells as tab-separated lines, as spreadsheets paste them into columns: the selected
// cells when there are any (their bounding rows and columns), else the whole table, with the
// model's horizontal headings first when `withHeadings`.
QString TableAsTsv(const QAbstractItemModel& model, const QModelIndexList& selected,
                   bool withHeadings);

// One CSV line: fields quoted where they hold a comma, a quote or a line break.
QString CsvLine(const QStringList& fields);

} // namespace qn::toolkit
