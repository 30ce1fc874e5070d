// Ctrl-C (or SIGTERM) as a line expects it. The first one is a request to stop: the commands start no
// new converter, let every exchange in hand finish, then end as usual with their summary, report lines
// and exit code. A second one ends the program at once, after the command's last words (which
// converters are left half-flashed).
#pragma once

#include <functional>

namespace zor::cli {

// From now on SIGINT and SIGTERM set the request instead of ending the program; a second one says the
// last words and exits with exitInterrupted.
void StopOnInterrupt();
bool StopRequested();

// What a second Ctrl-C prints and records before the program ends. Called on a thread of its own while
// the exchanges still run: it must take its own locks.
void SetLastWords(std::function<void()> words);

} // namespace zor::cli
