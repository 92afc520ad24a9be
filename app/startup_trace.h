#pragma once

class QWidget;

namespace qn::app {

// With QUENNARY_TRACE_STARTUP set, prints "<label> <ms>" to stderr: milliseconds since the
// process was started, for the start-up benchmark script. Costs nothing otherwise.
bool startupTraceEnabled();
void traceStartup(const char* label);
// Prints the label once, when the widget's window is first exposed (painted on screen).
void traceWhenExposed(QWidget* widget, const char* label);

} // namespace qn::app
