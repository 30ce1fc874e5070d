#include "cli/port_watch.h"

#include "cli/converter_link.h"
#include "cli/exit_codes.h"
#include "cli/session.h"
#include "cli/stop_request.h"
#include "platform/port_list.h"
#include "platform/terminal.h"

#include <chrono>
#include <cstdio>
#include <map>

namespace zor::cli {
namespace {

using Clock = std::chrono::steady_clock;

struct WatchedPort {
    Clock::time_point appeared;
    bool done = false; // served, or given up: left alone until it goes away
};

std::vector<std::string> presentPorts(const std::vector<std::string>& given) {
    if (given.empty()) return platform::listPresentSerialPorts();
    std::vector<std::string> present;
    for (const std::string& port : given)
        if (platform::serialPortPresent(PortDeviceName(port))) present.push_back(port);
    return present;
}

// Whether a converter answers on the port now. The link is closed again, for serve to open.
int probe(const std::string& port, std::string& failure) {
    ConverterLink link;
    FoundConverter converter;
    return FindConverter(port, link, converter, &failure);
}

void pause() {
    for (unsigned waited = 0; waited < watchPollMs && !StopRequested(); waited += 100)
        SleepMs(100);
}

} // namespace

int WatchPorts(const std::vector<std::string>& ports, const ServePort& serve, const BatchStyle& style) {
    StopOnInterrupt();
    std::fprintf(stderr, "zor-config: waiting for converters on %s, stop with Ctrl-C\n",
                 ports.empty() ? "the system's ports" : "the ports given");
    const bool bell = platform::isTerminal(platform::StandardStream::Output);
    std::map<std::string, WatchedPort> watched;
    std::size_t served = 0, succeeded = 0;
    while (!StopRequested()) {
        const std::vector<std::string> present = presentPorts(ports);
        std::map<std::string, WatchedPort> still; // ports that went away are forgotten
        for (const std::string& port : present) {
            const auto known = watched.find(port);
            still[port] = known != watched.end() ? known->second : WatchedPort{Clock::now(), false};
        }
        watched.swap(still);
        for (const std::string& port : present) {
            WatchedPort& state = watched[port];
            if (state.done || StopRequested()) continue;
            std::string failure;
            const int answered = probe(port, failure);
            if (answered != exitOk) {
                if (Clock::now() - state.appeared >= std::chrono::milliseconds(watchAnswerWindowMs)) {
                    state.done = true;
                    if (answered == exitPort)
                        PrintError(failure + " (left alone until it is plugged in again)");
                }
                continue;
            }
            state.done = true;
            const PortOutcome outcome = serve(port);
            ++served;
            if (outcome.code == exitOk) ++succeeded;
            std::fputs(PortLine(PortDisplayName(port), outcome).c_str(), stdout);
            if (bell) std::fputc('\a', stdout);
            std::fflush(stdout);
        }
        pause();
    }
    PrintSummary(succeeded, served, style.done);
    return succeeded == served ? exitOk : exitBatchFailed;
}

} // namespace zor::cli
