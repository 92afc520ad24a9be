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

// Writes text to a file under a temporary name and renames it when complete, so that a
// failure never leaves half a file under the name asked for.
bool WriteFileAtomically(const QString& path, const QString& text);

} // namespace qn::toolkit
