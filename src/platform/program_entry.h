// The seam's one call upward: the system's entry point runs the program, which app/ defines.
#pragma once

namespace zor::platform {

// Everything before the message loop, then the loop; returns the program's exit code.
int runProgram();

} // namespace zor::platform
