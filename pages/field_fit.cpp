#include "pages/field_fit.h"

#include "toolkit/widgets.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QVariant>

namespace qn::pages {

namespace {

constexpr int kFrameAndMargins = 10;

void fitText(QLineEdit* field, double basePoint)
{
    QFont font = field->font();
    font.setPointSizeF(basePoint);
    while (QFontMetrics(font).horizontalAdvance(field->text()) > textRoom(field)
           && font.pointSizeF() - 0.5 >= toolkit::kSmallestPoint)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != field->font())
        field->setFont(font);
}

} // namespace

int textRoom(const QLineEdit* field) { return field->width() - kFrameAndMargins; }

void keepTextWhole(QLineEdit* field)
{
    const double base = field->font().pointSizeF();
    if (base <= 0 || field->property("qnKeepsTextWhole").toBool())
        return; // a pixel-sized font has nothing to step down; or it is kept already
    field->setProperty("qnKeepsTextWhole", true);
    fitText(field, base);
    QObject::connect(field, &QLineEdit::textChanged, field,
                     [field, base] { fitText(field, base); });
}

} // namespace qn::pages
