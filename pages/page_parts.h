#pragma once

#include "toolkit/chart.h"
#include "toolkit/guarded.h"

#include <QAbstractButton>
#include <QList>
#include <QRect>
#include <QString>

#include <initializer_list>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace qn::pages {

// The pieces every page is built from, so that all pages look and behave alike.

QLabel* makeLabel(QWidget* parent, const QString& text, QRect geometry);

// A push button with its hint (tool tip, and the status line after the usual pause).
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint, QRect geometry);

// A result field: yellow, read-only, skipped by Tab, yet it can be clicked and left, which
// recomputes the page like leaving an input does.
void makeResult(QLineEdit* field);

// Each button's click runs its handler on the page, guarded.
template <typename Page>
void connectClicks(Page* page,
                   std::initializer_list<std::pair<QAbstractButton*, void (Page::*)()>> handlers)
{
    for (const auto& [button, handler] : handlers)
        toolkit::connectGuarded(button, &QAbstractButton::clicked, page, handler);
}

// A chart of two series over the same rows, e.g. a figure and another year by year.
template <typename Row, typename X>
toolkit::ChartData pairedChart(const QString& title, const QString& axis,
                               std::pair<QString, double Row::*> first,
                               std::pair<QString, double Row::*> second, bool bars,
                               const std::vector<Row>& rows, X Row::*x)
{
    toolkit::ChartData chart{
        title, axis, {{first.first, {}, bars}, {second.first, {}, bars}}, true};
    for (const Row& row : rows) {
        chart.series[0].points.emplace_back(row.*x, row.*first.second);
        chart.series[1].points.emplace_back(row.*x, row.*second.second);
    }
    return chart;
}

// A group of radio buttons: a named widget holding them, its items in the order they were
// made (the order --choose counts them in).
struct RadioGroup {
    QString name;
    QList<QRadioButton*> items;
};
std::vector<RadioGroup> radioGroups(const QWidget* page);
// The item of a group's radio buttons (its direct children) that is chosen; -1 for none.
int checkedIndex(const QWidget* group);

} // namespace qn::pages

namespace qn::pages {

// A caption as a screen reader speaks it: without its mnemonic marks, blanks run together.
QString plainCaption(QString text);

} // namespace qn::pages

namespace qn::toolkit {
class ChartWidget;
}

namespace qn::pages {

// A page's chart: a button that shows the chart over part of the page and back.
struct ChartToggle {
    QPushButton* button = nullptr;
    toolkit::ChartWidget* chart = nullptr;
};
ChartToggle makeChartToggle(QWidget* page, QRect buttonAt, QRect chartAt);

} // namespace qn::pages
