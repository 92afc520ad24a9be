#pragma once

#include <QList>
#include <QRect>
#include <QString>

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

// A group of radio buttons: a named widget holding them, its items in the order they were
// made (the order --choose counts them in).
struct RadioGroup {
    QString name;
    QList<QRadioButton*> items;
};
std::vector<RadioGroup> radioGroups(const QWidget* page);

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
