#pragma once

class QWidget;

namespace qn::app {

// Places dialog over the middle of main; halves round toward zero like integer division.
void centreOn(QWidget* dialog, QWidget* main);

// Registers the compiled-in pictures; the static library would otherwise drop them.
void initResources();

} // namespace qn::app
