#pragma once

namespace qn::toolkit {

// Makes the application's style the platform's own, except for the menu bar's overflow arrow,
// which the program draws: Qt's picture for it would load and probe every image-format plugin
// while the main window is made. Call once, after the application object and before any
// widget.
void UseProgramStyle();

} // namespace qn::toolkit
