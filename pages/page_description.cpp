#include "pages/page_description.h"

#include "pages/calculator_page.h"
#include "pages/page_parts.h"
#include "pages/registry.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QRadioButton>

namespace qn::pages {

namespace {

// A control's object name; an unnamed item of a named group of radio buttons is
// "GROUP.INDEX", as --choose counts them.
QString fieldName(const QWidget* w)
{
    if (!w->objectName().isEmpty())
        return w->objectName().startsWith(QStringLiteral("qt_")) ? QString() : w->objectName();
    const auto* radio = qobject_cast<const QRadioButton*>(w);
    const QWidget* group = radio ? radio->parentWidget() : nullptr;
    if (!group || group->objectName().isEmpty())
        return {};
    const auto items = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    return group->objectName() + u'.' + QString::number(items.indexOf(radio));
}

bool isField(const QObject* object)
{
    const auto* w = qobject_cast<const QWidget*>(object);
    if (!w || fieldName(w).isEmpty())
        return false;
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractButton*>(w)
           || qobject_cast<const QAbstractItemView*>(w);
}

QString kindOf(const QWidget* w)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
        // A result is computed, read-only and skipped by Tab; a field that only looks like
        // one is reported as a result so that the walk finds it still typeable.
        const bool skippedByTab = !(edit->focusPolicy() & Qt::TabFocus);
        return edit->isReadOnly() || skippedByTab ? QStringLiteral("result")
                                                  : QStringLiteral("input");
    }
    if (qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w))
        return QStringLiteral("choice");
    if (qobject_cast<const QAbstractButton*>(w))
        return QStringLiteral("button");
    return QStringLiteral("grid");
}

// A declared field's caption is its table's; another control's its accessible name, else a
// button's own text.
QString captionOf(const PageFields& declared, const QWidget* w)
{
    if (const FieldSpec* spec = declared.specOf(w))
        return spokenCaption(*spec);
    if (!w->accessibleName().isEmpty())
        return w->accessibleName().simplified();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return plainCaption(button->text());
    return {};
}

// What a screen reader says after the name: a declared field's description and state, a
// button's hint.
QString descriptionOf(QWidget* w)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Description).simplified() : QString();
}

void collectPaths(QAccessibleInterface* node, QList<int>& path, QHash<QObject*, QJsonArray>& out)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child)
            continue;
        path.append(i);
        if (isField(child->object())) {
            QJsonArray steps;
            for (int step : path)
                steps.append(step);
            out.insert(child->object(), steps);
        } else if (path.size() < 8) {
            collectPaths(child, path, out);
        }
        path.removeLast();
    }
}

} // namespace

QJsonObject describeControls(const QWidget* root, const PageFields& declared)
{
    QHash<QObject*, QJsonArray> paths;
    auto* accessible = const_cast<QWidget*>(root); // Qt's interface takes no const
    if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(accessible)) {
        QList<int> path;
        collectPaths(face, path, paths);
    }
    QJsonArray fields;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!isField(w))
            continue;
        fields.append(QJsonObject{{QStringLiteral("objectName"), fieldName(w)},
                                  {QStringLiteral("caption"), captionOf(declared, w)},
                                  {QStringLiteral("description"), descriptionOf(w)},
                                  {QStringLiteral("kind"), kindOf(w)},
                                  {QStringLiteral("path"), paths.value(w)}});
    }
    QJsonArray tabOrder;
    for (const QWidget* w : declared.tabOrder()) {
        if (isField(w) && (w->focusPolicy() & Qt::TabFocus))
            tabOrder.append(fieldName(w));
    }
    return {{QStringLiteral("fields"), fields}, {QStringLiteral("tabOrder"), tabOrder}};
}

QJsonObject describePage(const PageInfo& info, const CalculatorPage* page)
{
    QJsonObject out = describeControls(page, page->fields());
    out.insert(QStringLiteral("page"), info.name);
    out.insert(QStringLiteral("menuItem"), plainCaption(info.itemCaption));
    return out;
}

} // namespace qn::pages
