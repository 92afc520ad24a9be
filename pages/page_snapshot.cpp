#include "pages/page_snapshot.h"

#include "core/errors.h"
#include "pages/num_edit.h"
#include "pages/page_parts.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>

namespace qn::pages {

namespace {

// Qt's own inner widgets carry names of their own; they are not the page's.
bool ownName(const QObject* object)
{
    return !object->objectName().isEmpty()
           && !object->objectName().startsWith(QStringLiteral("qt_"));
}

} // namespace

namespace {

template <typename Map>
const typename Map::mapped_type& lookUp(const Map& map, const QString& page, const QString& name,
                                        const char* what)
{
    const auto it = map.find(name);
    if (it == map.end())
        throw ENameError("page " + page.toStdString() + " has no " + what + " "
                         + name.toStdString());
    return it->second;
}

} // namespace

QString PageSnapshot::field(const QString& name) const
{
    return lookUp(fields, page, name, "field");
}

QString PageSnapshot::label(const QString& name) const
{
    return lookUp(labels, page, name, "label");
}

double PageSnapshot::value(const QString& name) const
{
    return lookUp(values, page, name, "numeric field").value_or(0.0);
}

int PageSnapshot::choice(const QString& name) const { return lookUp(choices, page, name, "group"); }

const std::vector<QStringList>& PageSnapshot::grid(const QString& name) const
{
    return lookUp(grids, page, name, "grid");
}

PageSnapshot takeSnapshot(const QString& pageName, const QWidget* page)
{
    PageSnapshot snapshot;
    snapshot.page = pageName;
    for (const QLineEdit* edit : page->findChildren<QLineEdit*>()) {
        if (!ownName(edit))
            continue;
        // A money field being edited shows its bare digits; what it stands for is its display.
        const auto* money = qobject_cast<const TNumEdit*>(edit);
        snapshot.fields[edit->objectName()] = money ? money->displayText() : edit->displayText();
        if (const auto* numeric = qobject_cast<const NumericField*>(edit)) {
            std::optional<double> number;
            try {
                number = numeric->value();
            } catch (const std::exception&) {
                // a text that is no number: none
            }
            snapshot.values[edit->objectName()] = number;
        }
    }
    for (const QLabel* label : page->findChildren<QLabel*>()) {
        if (ownName(label))
            snapshot.labels[label->objectName()] = label->text();
    }
    for (const QTableView* view : page->findChildren<QTableView*>()) {
        const QAbstractItemModel* model = view->model();
        if (!ownName(view) || !model)
            continue;
        std::vector<QStringList>& rows = snapshot.grids[view->objectName()];
        if (!view->horizontalHeader()->isHidden()) {
            QStringList header;
            for (int c = 0; c < model->columnCount(); ++c)
                header.append(model->headerData(c, Qt::Horizontal).toString());
            rows.push_back(header);
        }
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < model->columnCount(); ++c)
                row.append(model->index(r, c).data().toString());
            rows.push_back(row);
        }
    }
    for (const toolkit::ChartWidget* chart : page->findChildren<toolkit::ChartWidget*>()) {
        for (const toolkit::ChartData& data : chart->charts())
            snapshot.charts.push_back(data);
    }
    // A group is a named widget holding radio buttons, items in the order they were made.
    for (const QWidget* holder : page->findChildren<QWidget*>()) {
        if (!ownName(holder) || qobject_cast<const QRadioButton*>(holder))
            continue;
        if (holder->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly).isEmpty())
            continue;
        snapshot.choices[holder->objectName()] = checkedIndex(holder);
    }
    return snapshot;
}

QJsonObject toJson(const PageSnapshot& snapshot)
{
    QJsonObject fields;
    for (const auto& [name, text] : snapshot.fields)
        fields.insert(name, text);
    QJsonObject values;
    for (const auto& [name, value] : snapshot.values)
        values.insert(name, value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null));
    QJsonObject labels;
    for (const auto& [name, text] : snapshot.labels)
        labels.insert(name, text);
    QJsonObject grids;
    for (const auto& [name, rows] : snapshot.grids) {
        QJsonArray array;
        for (const QStringList& row : rows)
            array.append(QJsonArray::fromStringList(row));
        grids.insert(name, array);
    }
    QJsonObject result;
    result.insert(QStringLiteral("page"), snapshot.page);
    result.insert(QStringLiteral("fields"), fields);
    result.insert(QStringLiteral("values"), values);
    result.insert(QStringLiteral("labels"), labels);
    result.insert(QStringLiteral("grids"), grids);
    QJsonObject choices;
    for (const auto& [name, index] : snapshot.choices)
        choices.insert(name, index);
    result.insert(QStringLiteral("choices"), choices);
    return result;
}

} // namespace qn::pages
