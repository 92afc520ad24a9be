#pragma once

#include <QString>

namespace qn::app {

// Runs a page for each line of source (a file, or "-" for the standard input), each line a
// JSON object {"page": NAME, "open": FILE, "actions": [["set", FIELD, TEXT],
// ["click", BUTTON], ["choose", GROUP, INDEX], ...]}, and prints for each, in order, one line
// of what the page shows (as --fields does) with "line", "status" and "messages". A line that
// cannot run gets status 2 and an "error"; the batch goes on. Blank lines are skipped.
// Returns the highest status of any line (1 also when the settings file gave a message), or
// 2 when source cannot be read.
int runBatch(const QString& settingsPath, const QString& source);

} // namespace qn::app
