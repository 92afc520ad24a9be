#pragma once

class QLineEdit;

namespace qn::pages {

// Keeps the text a field holds whole: whenever the text changes, the font steps down from the
// field's own, no lower than toolkit::kSmallestPoint, until the text fits; a text wider still
// scrolls inside the field. Every field of every page has it (see createPage).
void keepTextWhole(QLineEdit* field);

// Room for text inside a line edit of this width: its frame and text margins taken off.
int textRoom(const QLineEdit* field);

} // namespace qn::pages
