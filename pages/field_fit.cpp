#include "pages/field_fit.h"

#include "toolkit/money.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace qn::pages {

namespace {

constexpr int kFrameAndMargins = 10;
constexpr double kSmallestPoint = 5;

} // namespace

int textRoom(const QLineEdit* field) { return field->width() - kFrameAndMargins; }

void placeField(QLineEdit* field, QRect geometry, const QString& widest)
{
    field->setFixedSize(geometry.size());
    field->move(geometry.topLeft());
    if (widest.isEmpty())
        return;
    QFont font = field->font();
    if (font.pointSizeF() <= 0)
        return;  // a pixel-sized font: nothing to step down
    while (QFontMetrics(font).horizontalAdvance(widest) > textRoom(field) &&
           font.pointSizeF() - 0.5 >= kSmallestPoint)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != field->font())
        field->setFont(font);
}

QString widestMoneyText() { return toolkit::formatCurrency(-999999999999.99); }

} // namespace qn::pages
