// The bench: converters plugged in one after another while the program waits, on ports that come and
// go (an adapter plugged in with its converter) or that stay (converters swapped on the adapter's
// cable). Each idle port is asked for its converter; a converter is configured when its serial number
// was not served in this run or when its settings differ from the file, and left alone (with a line
// saying so) when it was and still matches. Runs until Ctrl-C.
#pragma once

#include "cli/port_batch.h"
#include "cli/session.h"

#include <functional>
#include <string>
#include <vector>

namespace zor::cli {

// How often the port list is read.
inline constexpr unsigned watchPollMs = 500;
// How often an idle port is asked for its converter: the query at most this often, so that a
// converter left on the bench sees no more of it than a technician's "Read Settings" now and then.
inline constexpr unsigned watchQueryEveryMs = 2000;
// A port that cannot be opened is tried for this long after it appeared (its permissions may still
// be settling), then left alone until it goes away and comes back.
inline constexpr unsigned watchAnswerWindowMs = 5000;

// Whether the converter that answered already holds what the file would give it.
using MatchesFile = std::function<bool(const FoundConverter& converter)>;

// Watches the given ports (a port is there while its device exists), or without any, the ports the
// system lists: Linux, its serial devices; Windows, its COM ports. Ports there when the watch starts
// count as new. Each served converter's line, with a bell when standard output is a terminal; a line
// when a converter is left alone, when one falls silent and when another answers in its place. On
// Ctrl-C the converter in hand is finished and the summary printed. exitOk when every converter served
// succeeded, exitBatchFailed otherwise.
int WatchPorts(const std::vector<std::string>& ports, const ServePort& serve, const MatchesFile& matches,
               const BatchStyle& style);

} // namespace zor::cli
