// The bench: converters plugged in one after another while the program waits. Each port that appears
// and where a converter answers is served once; it is served again only after it has gone away and
// come back. Runs until Ctrl-C.
#pragma once

#include "cli/port_batch.h"

#include <string>
#include <vector>

namespace zor::cli {

// How often the port list is read.
inline constexpr unsigned watchPollMs = 500;
// A port where no converter answers is asked again for this long after it appeared (a converter may
// still be starting up), then left alone until it goes away and comes back.
inline constexpr unsigned watchAnswerWindowMs = 5000;

// Watches the given ports (a port is there while its device exists), or without any, the ports the
// system lists: Linux, its serial devices; Windows, its COM ports. Ports there when the watch starts
// count as new. Each served port's line, with a bell when standard output is a terminal; on Ctrl-C the
// port in hand is finished and the summary printed. exitOk when every port served succeeded,
// exitBatchFailed otherwise.
int WatchPorts(const std::vector<std::string>& ports, const ServePort& serve, const BatchStyle& style);

} // namespace zor::cli
