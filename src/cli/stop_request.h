// Ctrl-C as a request to stop, for the commands that run until the user ends them (monitor, send
// --watch): they finish what they have in hand, then end as usual, with their summary and exit code.
#pragma once

namespace zor::cli {

// From now on SIGINT and SIGTERM set the request instead of ending the program.
void StopOnInterrupt();
bool StopRequested();

} // namespace zor::cli
