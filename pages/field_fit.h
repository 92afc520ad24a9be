#pragma once

#include <QRect>
#include <QString>

class QLineEdit;

namespace qn::pages {

// Gives a numeric field its size on the page (the fields start with a fixed default width)
// and, when the widest text it may show would not fit in the current font, a smaller font,
// so that no figure the field accepts is ever clipped.
void placeField(QLineEdit* field, QRect geometry, const QString& widest);

// Room for text inside a line edit of this width: its frame and text margins taken off.
int textRoom(const QLineEdit* field);

// The widest text of a money field: twelve whole digits, cents, the negative form.
QString widestMoneyText();

} // namespace qn::pages
