#include "cli/port_watch.h"

#include "cli/converter_link.h"
#include "cli/exit_codes.h"
#include "cli/stop_request.h"
#include "cli/text.h"
#include "platform/port_list.h"
#include "platform/terminal.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <set>

namespace zor::cli {
namespace {

using Clock = std::chrono::steady_clock;

struct WatchedPort {
    Clock::time_point appeared;
    bool asked = false;
    Clock::time_point lastAsked;
    bool leftAlone = false; // cannot be opened: left alone until it goes away
    std::string answering;  // the serial number of the converter that answered last; empty: none
};

std::vector<std::string> presentPorts(const std::vector<std::string>& given) {
    if (given.empty()) return platform::listPresentSerialPorts();
    std::vector<std::string> present;
    for (const std::string& port : given)
        if (platform::serialPortPresent(PortDeviceName(port))) present.push_back(port);
    return present;
}

void pause() {
    for (unsigned waited = 0; waited < watchPollMs && !StopRequested(); waited += 100)
        SleepMs(100);
}

void say(const std::string& port, const std::string& what) {
    std::printf("%s: %s\n", PortDisplayName(port).c_str(), what.c_str());
    std::fflush(stdout);
}

} // namespace

int WatchPorts(const std::vector<std::string>& ports, const ServePort& serve, const MatchesFile& matches,
               const BatchStyle& style) {
    const int named = RefuseSamePortTwice(ports);
    if (named != exitOk) return named;
    StopOnInterrupt();
    BeginBatch(0, style.work);
    std::fprintf(stderr, "zor-config: waiting for converters on %s, stop with Ctrl-C\n",
                 ports.empty() ? "the system's ports" : "the ports given");
    const bool bell = platform::isTerminal(platform::StandardStream::Output);
    std::map<std::string, WatchedPort> watched;
    std::set<std::string> servedSerials;
    // Each converter once in the summary, by its serial number, with the result of its last serving: one
    // plugged in again after a failure is not a second converter.
    std::map<std::string, bool> results;
    while (!StopRequested()) {
        const std::vector<std::string> present = presentPorts(ports);
        std::map<std::string, WatchedPort> still; // ports that went away are forgotten
        for (const std::string& port : present) {
            const auto known = watched.find(port);
            if (known != watched.end()) {
                still[port] = known->second;
            } else {
                still[port].appeared = Clock::now();
            }
        }
        watched.swap(still);
        for (const std::string& port : present) {
            WatchedPort& state = watched[port];
            if (state.leftAlone || StopRequested()) continue;
            if (state.asked && Clock::now() - state.lastAsked < std::chrono::milliseconds(watchQueryEveryMs))
                continue;
            state.asked = true;
            state.lastAsked = Clock::now();
            std::string failure;
            FoundConverter converter;
            int answered = exitOk;
            {
                ConverterLink link; // closed again, for serve to open
                answered = FindConverter(port, link, converter, &failure);
            }
            if (answered == exitPort) {
                if (Clock::now() - state.appeared >= std::chrono::milliseconds(watchAnswerWindowMs)) {
                    state.leftAlone = true;
                    PrintError(failure + " (left alone until it is plugged in again)");
                }
                continue;
            }
            const std::string serial = answered == exitOk ? Utf8(converter.form.serialNumber) : "";
            if (answered == exitOk && serial == state.answering) continue; // still the one handled
            if (!state.answering.empty()) say(port, "serial " + state.answering + " no longer answers");
            state.answering.clear();
            if (answered != exitOk) continue;
            state.answering = serial;
            if (servedSerials.count(serial) != 0 && matches(converter)) {
                say(port,
                    "serial " + serial + " was configured in this run and matches the file: left alone");
                continue;
            }
            const PortOutcome outcome = serve(port);
            PortDone();
            if (outcome.code == exitInterrupted) break;
            results[serial] = outcome.code == exitOk;
            servedSerials.insert(serial);
            if (!outcome.serialNumber.empty()) {
                servedSerials.insert(outcome.serialNumber);
                state.answering = outcome.serialNumber;
            }
            state.lastAsked = Clock::now();
            std::fputs(PortLine(PortDisplayName(port), outcome).c_str(), stdout);
            if (bell) std::fputc('\a', stdout);
            std::fflush(stdout);
        }
        pause();
    }
    std::size_t succeeded = 0;
    for (const auto& [serial, ok] : results)
        succeeded += ok ? 1 : 0;
    PrintSummary(succeeded, results.size(), style.done);
    return succeeded == results.size() ? exitOk : exitBatchFailed;
}

} // namespace zor::cli
