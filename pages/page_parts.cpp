#include "pages/page_parts.h"

#include "pages/num_edit.h"
#include "toolkit/hints.h"

#include <QLabel>
#include <QPushButton>

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

} // namespace qn::pages
