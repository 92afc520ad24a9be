#pragma once

#include "toolkit/chart.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

class QWidget;

namespace qn::pages {

// What a page shows, by object name: the headless run prints it and the reports fill
// themselves from it, so neither reads the widgets directly.
struct PageSnapshot {
    QString page;
    std::map<QString, QString> fields;                 // each line edit's text as shown
    std::map<QString, std::optional<double>> values;   // each numeric field; none: no number
    std::map<QString, QString> labels;                 // each named label's text
    std::map<QString, std::vector<QStringList>> grids; // rows of cell texts, headings first
    std::map<QString, int> choices;         // each named group of radio buttons: the item chosen
    std::vector<toolkit::ChartData> charts; // the page's charts, as it would draw them

    // A name the page does not have throws qn::ENameError: a renamed field must not print
    // as $0.00.
    QString field(const QString& name) const;
    QString label(const QString& name) const;
    // The value of a numeric field, 0 when it holds no number.
    double value(const QString& name) const;
    int choice(const QString& name) const; // -1 when no item is chosen
    const std::vector<QStringList>& grid(const QString& name) const;
};

PageSnapshot takeSnapshot(const QString& pageName, const QWidget* page);

// {"page", "fields", "values", "labels", "grids", "choices"}: the headless run's output.
QJsonObject toJson(const PageSnapshot& snapshot);

} // namespace qn::pages
