// The program's start-up: theme, main window, form, first jobs, then the message loop.
#pragma once

namespace zor {

// Everything before the message loop, in order: the program state at its start values, the theme, the
// wiring between the subsystems, the main window with the whole form and the hidden sentence picker,
// the handlers wired from outside form/, and the first port scan step armed. Tests run this and then
// pump messages themselves.
void StartApplication();

} // namespace zor
