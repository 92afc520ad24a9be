#include "pages/lock_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qn::pages {

namespace {

constexpr int kSize = 16;
const QColor kBrass(206, 160, 24);
const QColor kOutline(96, 64, 0);

QPixmap canvas()
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QIcon keyIcon()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kBrass);
    // Shaft with two teeth, then the bow with its hole.
    QPainterPath blade;
    blade.addRect(6.5, 6.5, 8.5, 3);
    blade.addRect(11.5, 9.5, 1.5, 3);
    blade.addRect(13.5, 9.5, 1.5, 2);
    p.drawPath(blade.simplified());
    p.drawEllipse(QRectF(0.5, 4.0, 8, 8));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(2.5, 6.5, 3, 3));
    return QIcon(pixmap);
}

QIcon padlockIcon()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Shackle, closed into the body.
    p.setPen(QPen(QColor(110, 110, 110), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, 1.5, 8, 9), 0, 180 * 16);
    p.drawLine(QPointF(4, 6), QPointF(4, 8));
    p.drawLine(QPointF(12, 6), QPointF(12, 8));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kBrass);
    p.drawRoundedRect(QRectF(2.5, 7.5, 11, 8), 1.5, 1.5);
    p.setBrush(kOutline);
    p.drawEllipse(QRectF(7, 10, 2, 2));
    p.drawRect(QRectF(7.6, 11.5, 0.8, 2.5));
    return QIcon(pixmap);
}

} // namespace qn::pages
