#pragma once

#include <QByteArray>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace qn::toolkit {

// The program's pictures are SVG files in its resources. They are drawn straight through the
// SVG renderer rather than through QPixmap or QIcon, which would load and probe every
// image-format plugin while the program starts, and they are drawn at the screen's pixel
// ratio, so they stay sharp at any scale.

// The picture fitted into `size` (aspect kept), for a screen of the given pixel ratio; a null
// pixmap when the resource is missing or not a picture.
QPixmap VectorPixmap(const QString& resource, const QSize& size, qreal devicePixelRatio);

// An icon that draws the picture at whatever size and mode it is asked for; a null icon when
// the resource is missing or not a picture.
QIcon VectorIcon(const QString& resource);
// The same from the SVG text itself.
QIcon VectorIconOf(const QByteArray& svg);

} // namespace qn::toolkit
