// The program's start-up: theme, main window, form, first jobs, then the message loop.
#pragma once

namespace zor {

// Runs the whole program and returns its exit code.
int runApplication();

} // namespace zor
