// Ctrl-C (or SIGTERM) as a line expects it. The first one is a request to stop: the commands start no
// new converter, let every exchange in hand finish, then end as usual with their summary, report lines
// and exit code; it is answered at once with a line saying so. A second one ends the program at once,
// after the command's last words (which converters are left half-flashed).
#pragma once

#include <cstddef>
#include <functional>

namespace zor::cli {

// From now on SIGINT and SIGTERM set the request instead of ending the program; the first one prints
// what will be finished and what will not be started, a second one says the last words and exits with
// exitInterrupted.
void StopOnInterrupt();
bool StopRequested();

// A batch of ports about to be served, for the first Ctrl-C's count of converters not started; work
// names what is finished ("send", "firmware update"), or none where Ctrl-C stops no converter.
void BeginBatch(std::size_t ports, const char* work);
// A converter about to be changed: false when Ctrl-C came first (it is not started), else it is in hand
// until PortDone. Decided under the same lock as the first Ctrl-C's line, so that the line counts right.
bool StartUnlessStopped();
// A port of the batch is done, whether it was started or not.
void PortDone();

// What a second Ctrl-C prints and records before the program ends. Called on a thread of its own while
// the exchanges still run: it must take its own locks.
void SetLastWords(std::function<void()> words);

} // namespace zor::cli
