#pragma once

#include <QIcon>

namespace qn::pages {

// Drawn rather than loaded, so the pages need no resources of the application: a key for
// the buttons that let the user type an amount, a closed padlock for those that give the
// amount back to the computation.
QIcon keyIcon();
QIcon padlockIcon();

} // namespace qn::pages
