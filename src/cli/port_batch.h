// Several converters at once: each port is served on a thread of its own, so that ten converters take
// about the time of one, and its result is printed as soon as it is known.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zor::cli {

struct PortOutcome {
    PortOutcome(int code_ = 0, std::string out_ = {}, std::string failure_ = {})
        : code(code_), out(std::move(out_)), failure(std::move(failure_)) {}

    int code = 0;             // exit_codes.h
    std::string out;          // printed to standard output when the port is done
    std::string failure;      // what went wrong, when code is not exitOk (empty: already said)
    std::string serialNumber; // the serial number the converter holds afterwards, when it answered
};

// The outcome of a converter not started because Ctrl-C came first.
PortOutcome NotStarted();

struct BatchStyle {
    const char* done = "served"; // the summary: "3 of 3 converter(s) configured"
    bool summaryForOne = false;  // also a line per port and the summary when there is one port
    // An outcome that is an answer rather than a failure (diff: the converter differs from the file):
    // its line is its output, it counts as done, and the summary counts it apart ("1 differing").
    int finding = 0; // 0: none
    const char* found = "";
    // What the first Ctrl-C lets finish ("send", "firmware update"); none where Ctrl-C stops no converter.
    const char* work = nullptr;
};

// An empty port name is the first converter a scan finds, and is served alone.
using ServePort = std::function<PortOutcome(const std::string& port)>;

// What is printed for a port: its output, or "PORT: FAILED: failure" (or "PORT: INTERRUPTED: ...")
// after it.
std::string PortLine(const std::string& port, const PortOutcome& outcome);
// One port named twice (by a link and by its device, "COM3" and "3"...) would be served by two
// threads at once: exitUsage with both names said, or exitOk.
int RefuseSamePortTwice(const std::vector<std::string>& ports);
// "3 of 4 converter(s) configured", and ", 1 interrupted" when Ctrl-C left some unstarted.
void PrintSummary(std::size_t succeeded, std::size_t served, const char* done, std::size_t interrupted = 0);
// As PrintSummary, with ", 2 differing" (the style's finding) after the count done.
void PrintSummary(std::size_t succeeded, std::size_t served, const BatchStyle& style, std::size_t found,
                  std::size_t interrupted);

// Each port's output, or "PORT: FAILED: failure", as it finishes, then the summary. With one port
// (and no summary asked for) its failure is an error message. The exit code is that of the one port,
// or exitBatchFailed when any of several failed; when none failed, the style's finding when any gave
// it, or else exitInterrupted when Ctrl-C left some unstarted. Ctrl-C is taken as a request to stop
// (stop_request.h) for the whole run.
int ServePorts(std::vector<std::string> ports, const ServePort& serve, const BatchStyle& style);

} // namespace zor::cli
