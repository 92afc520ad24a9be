#pragma once

#include <QStringList>

namespace qn::app {

// True when the command line asks for a page run without a window (--page and the
// options that go with it).
bool isHeadlessRun(int argc, char** argv);

// Replays a user's actions on one page without showing a window and reports what the page
// shows. args are the command-line arguments without the program name. Exit status: 0 when
// no message was shown, 1 when one was, 2 for a usage error (nothing computed).
int runHeadless(const QStringList& args);

} // namespace qn::app
