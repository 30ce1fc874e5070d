// Several converters at once: each port is served on a thread of its own, so that ten converters take
// about the time of one, and its result is printed as soon as it is known.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace zor::cli {

struct PortOutcome {
    int code = 0;        // exit_codes.h
    std::string out;     // printed to standard output when the port is done
    std::string failure; // what went wrong, when code is not exitOk (empty: already said)
};

struct BatchStyle {
    const char* done = "served"; // the summary: "3 of 3 converter(s) configured"
    bool summaryForOne = false;  // also a line per port and the summary when there is one port
};

// An empty port name is the first converter a scan finds, and is served alone.
using ServePort = std::function<PortOutcome(const std::string& port)>;

// What is printed for a port: its output, or "PORT: FAILED: failure" after it.
std::string PortLine(const std::string& port, const PortOutcome& outcome);
// "3 of 4 converter(s) configured"
void PrintSummary(std::size_t succeeded, std::size_t served, const char* done);

// Each port's output, or "PORT: FAILED: failure", as it finishes, then the summary. With one port
// (and no summary asked for) its failure is an error message. The exit code is that of the one port,
// or exitBatchFailed when any of several failed.
int ServePorts(std::vector<std::string> ports, const ServePort& serve, const BatchStyle& style);

} // namespace zor::cli
