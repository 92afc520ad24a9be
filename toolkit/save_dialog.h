#pragma once

#include <QString>

class QWidget;

namespace qn::toolkit {

// Asks where to save a file, offering `proposedName` plus `suffix` ("Amortization
// Schedule.csv"). A name typed without an extension gets `suffix`, the one the filter shows,
// whichever dialog the desktop provides. Empty when the user cancels.
QString askSaveFileName(QWidget* parent, const QString& caption, const QString& proposedName,
                        const QString& filter, const QString& suffix);

// `path` with ".suffix" added when its file name has no extension (blank-free text after
// its last dot).
QString withDefaultSuffix(const QString& path, const QString& suffix);

} // namespace qn::toolkit
