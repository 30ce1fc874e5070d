// The seam's one call upward: the system's entry point (platform/win32/entry/win_main.cpp) runs the
// program, which the layer above the seam defines (app/application.cpp).
#pragma once

namespace zor::platform {

// Everything before the message loop, then the loop; returns the program's exit code.
int runProgram();

} // namespace zor::platform
