#include "pages/page_parts.h"

#include "pages/num_edit.h"
#include "pages/page_controls.h"
#include "toolkit/chart.h"
#include "toolkit/hints.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

namespace qn::pages {

QLabel* makeLabel(QWidget* parent, const QString& text, QRect geometry)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint, QRect geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    toolkit::setHint(button, hint);
    button->setGeometry(geometry);
    return button;
}

void makeResult(QLineEdit* field)
{
    applyFieldLook(field, FieldLook::Result);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
}

std::vector<RadioGroup> radioGroups(const QWidget* page)
{
    std::vector<RadioGroup> groups;
    for (QWidget* holder : page->findChildren<QWidget*>()) {
        const QString name = holder->objectName();
        if (name.isEmpty() || name.startsWith(QStringLiteral("qt_"))
            || qobject_cast<QRadioButton*>(holder))
            continue;
        RadioGroup group{name, holder->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)};
        if (!group.items.isEmpty())
            groups.push_back(std::move(group));
    }
    return groups;
}

int checkedIndex(const QWidget* group)
{
    const auto radios = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    for (int i = 0; i < radios.size(); ++i) {
        if (radios[i]->isChecked())
            return i;
    }
    return -1;
}

} // namespace qn::pages

namespace qn::pages {

QString plainCaption(QString text)
{
    // A single ampersand marks the mnemonic; "&&" shows one.
    static const QRegularExpression mnemonic(QStringLiteral("&(.)"));
    text.replace(mnemonic, QStringLiteral("\\1"));
    return text.simplified();
}

} // namespace qn::pages

namespace qn::pages {

ChartToggle makeChartToggle(QWidget* page, QRect buttonAt, QRect chartAt)
{
    ChartToggle t;
    t.chart = new toolkit::ChartWidget(page);
    t.chart->setObjectName(QLatin1String(kChtPage));
    t.chart->setAccessibleName(QStringLiteral("Chart"));
    t.chart->setGeometry(chartAt);
    t.chart->hide();
    t.button = makeButton(page, kBtnChart, QStringLiteral("Chart"),
                          QStringLiteral("Show the chart of these figures, or the figures again"),
                          buttonAt);
    toolkit::ChartWidget* chart = t.chart;
    QPushButton* button = t.button;
    QObject::connect(button, &QPushButton::clicked, chart, [chart, button] {
        chart->setVisible(!chart->isVisible());
        if (chart->isVisible())
            chart->raise();
        button->setText(chart->isVisible() ? QStringLiteral("Figures") : QStringLiteral("Chart"));
    });
    return t;
}

} // namespace qn::pages
