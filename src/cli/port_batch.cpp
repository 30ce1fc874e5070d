#include "cli/port_batch.h"

#include "cli/exit_codes.h"
#include "cli/session.h"
#include "cli/stop_request.h"
#include "platform/port_list.h"

#include <cstdio>
#include <mutex>
#include <thread>

namespace zor::cli {

int RefuseSamePortTwice(const std::vector<std::string>& ports) {
    std::vector<std::string> identities;
    for (const std::string& port : ports)
        identities.push_back(platform::serialPortIdentity(PortDeviceName(port)));
    for (std::size_t i = 0; i < ports.size(); ++i) {
        for (std::size_t j = i + 1; j < ports.size(); ++j) {
            if (identities[i] != identities[j]) continue;
            PrintError("--port " + ports[i] + " and --port " + ports[j] + " are the same port; give it once");
            return exitUsage;
        }
    }
    return exitOk;
}

PortOutcome NotStarted() {
    return {exitInterrupted, "", "not started: Ctrl-C came first"};
}

std::string PortLine(const std::string& port, const PortOutcome& outcome) {
    if (outcome.code == exitOk) return outcome.out;
    const char* said = outcome.code == exitInterrupted ? ": INTERRUPTED: " : ": FAILED: ";
    return outcome.out + port + said + outcome.failure + "\n";
}

void PrintSummary(std::size_t succeeded, std::size_t served, const char* done, std::size_t interrupted) {
    BatchStyle style;
    style.done = done;
    PrintSummary(succeeded, served, style, 0, interrupted);
}

void PrintSummary(std::size_t succeeded, std::size_t served, const BatchStyle& style, std::size_t found,
                  std::size_t interrupted) {
    std::printf("%zu of %zu converter(s) %s", succeeded, served, style.done);
    if (style.finding != exitOk) std::printf(", %zu %s", found, style.found);
    if (interrupted > 0) std::printf(", %zu interrupted", interrupted);
    std::printf("\n");
}

int ServePorts(std::vector<std::string> ports, const ServePort& serve, const BatchStyle& style) {
    const int named = RefuseSamePortTwice(ports);
    if (named != exitOk) return named;
    StopOnInterrupt();
    if (ports.empty()) ports.emplace_back();
    const bool lines = ports.size() > 1 || style.summaryForOne;
    std::mutex printing;
    std::vector<int> codes(ports.size(), exitOk);
    BeginBatch(ports.size(), style.work);
    const auto run = [&](std::size_t i) {
        const PortOutcome outcome = serve(ports[i]);
        PortDone();
        const std::lock_guard<std::mutex> lock(printing);
        codes[i] = outcome.code;
        const bool finding = style.finding != exitOk && outcome.code == style.finding;
        if (lines && !finding) {
            std::fputs(PortLine(ports[i].empty() ? "(scan)" : ports[i], outcome).c_str(), stdout);
        } else {
            std::fputs(outcome.out.c_str(), stdout);
            if (outcome.code != exitOk && !outcome.failure.empty()) PrintError(outcome.failure);
        }
        std::fflush(stdout);
    };
    if (ports.size() == 1) {
        run(0);
    } else {
        std::vector<std::thread> threads;
        for (std::size_t i = 0; i < ports.size(); ++i)
            threads.emplace_back(run, i);
        for (std::thread& thread : threads)
            thread.join();
    }
    std::size_t succeeded = 0, found = 0, interrupted = 0;
    int failure = exitOk;
    for (const int code : codes) {
        if (code == exitOk) {
            ++succeeded;
        } else if (style.finding != exitOk && code == style.finding) {
            ++succeeded;
            ++found;
        } else if (code == exitInterrupted) {
            ++interrupted;
        } else {
            failure = code;
        }
    }
    if (lines) PrintSummary(succeeded, ports.size(), style, found, interrupted);
    // A failed converter needs a look first, then one found (it differs, and a send puts it right);
    // one left unstarted only needs the run again.
    if (failure != exitOk) return ports.size() == 1 ? failure : exitBatchFailed;
    if (found > 0) return style.finding;
    return interrupted > 0 ? exitInterrupted : exitOk;
}

} // namespace zor::cli
