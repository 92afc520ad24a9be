#include "pages/page_parts.h"

#include "pages/num_edit.h"
#include "toolkit/chart.h"
#include "toolkit/hints.h"

#include <QAbstractItemView>
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

} // namespace qn::pages

namespace qn::pages {

namespace {

// How near a label must be to name a field, in pixels.
constexpr int kAboveGap = 28;
constexpr int kLeftGap = 160;

// The caption's distance to the field, or -1 when the label is not where a caption sits.
int captionDistance(const QRect& label, const QRect& field)
{
    const bool overlapsColumn = label.left() < field.right() && label.right() > field.left();
    if (overlapsColumn && label.bottom() <= field.top() + 2
        && field.top() - label.bottom() <= kAboveGap)
        return field.top() - label.bottom();
    const bool sameRow = label.top() < field.bottom() && label.bottom() > field.top();
    if (sameRow && label.right() <= field.left() + 2 && field.left() - label.right() <= kLeftGap)
        return field.left() - label.right();
    return -1;
}

// A label's text as shown: an ampersand marks a mnemonic only in a label with a buddy.
QString shownCaption(const QLabel* label)
{
    return label->buddy() ? pages::plainCaption(label->text()) : label->text().simplified();
}

// The nearest captions above in the same column and to the left in the same row, at any
// distance, joined: "Payment, 15 Years" for a field in a grid of fields.
QString tableCaption(const QWidget* field)
{
    const QRect f = field->geometry();
    const QLabel* column = nullptr;
    const QLabel* row = nullptr;
    for (const QLabel* label :
         field->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect l = label->geometry();
        if (shownCaption(label).isEmpty())
            continue;
        if (l.left() < f.right() && l.right() > f.left() && l.bottom() <= f.top()
            && (!column || l.bottom() > column->geometry().bottom()))
            column = label;
        if (l.top() < f.bottom() && l.bottom() > f.top() && l.right() <= f.left()
            && (!row || l.right() > row->geometry().right()))
            row = label;
    }
    QStringList parts;
    if (column)
        parts.append(shownCaption(column));
    if (row)
        parts.append(shownCaption(row));
    return parts.join(QStringLiteral(", "));
}

} // namespace

QString plainCaption(QString text)
{
    // A single ampersand marks the mnemonic; "&&" shows one.
    static const QRegularExpression mnemonic(QStringLiteral("&(.)"));
    text.replace(mnemonic, QStringLiteral("\\1"));
    return text.simplified();
}

void nameFieldsByTheirLabels(QWidget* page)
{
    QList<QWidget*> fields;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if ((qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w))
            && w->accessibleName().isEmpty())
            fields.append(w);
    }
    for (QWidget* field : fields) {
        QLabel* best = nullptr;
        int bestDistance = 0;
        for (QLabel* label : field->parentWidget()->findChildren<QLabel*>(
                 Qt::FindDirectChildrenOnly)) {
            if (shownCaption(label).isEmpty())
                continue;
            const int d = captionDistance(label->geometry(), field->geometry());
            if (d >= 0 && (!best || d < bestDistance)) {
                best = label;
                bestDistance = d;
            }
        }
        if (!best) {
            // A field in a table of fields: named by its column's and its row's captions.
            const QString name = tableCaption(field);
            if (!name.isEmpty())
                field->setAccessibleName(name);
            continue;
        }
        if (!best->buddy()) {
            // A caption's "&" is text ("Principal & Interest"), never a mnemonic: a label
            // with a buddy would underline the next letter instead of showing it.
            best->setText(best->text().replace(QLatin1Char('&'), QStringLiteral("&&")));
            best->setBuddy(field);
        } else
            field->setAccessibleName(shownCaption(best));
    }
}

} // namespace qn::pages

namespace qn::pages {

ChartToggle makeChartToggle(QWidget* page, QRect buttonAt, QRect chartAt)
{
    ChartToggle t;
    t.chart = new toolkit::ChartWidget(page);
    t.chart->setObjectName(QStringLiteral("chtPage"));
    t.chart->setAccessibleName(QStringLiteral("Chart"));
    t.chart->setGeometry(chartAt);
    t.chart->hide();
    t.button = makeButton(page, "btnChart", QStringLiteral("Chart"),
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
