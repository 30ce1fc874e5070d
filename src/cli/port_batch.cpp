#include "cli/port_batch.h"

#include "cli/exit_codes.h"
#include "cli/session.h"

#include <cstdio>
#include <mutex>
#include <thread>

namespace zor::cli {

std::string PortLine(const std::string& port, const PortOutcome& outcome) {
    if (outcome.code == exitOk) return outcome.out;
    return outcome.out + port + ": FAILED: " + outcome.failure + "\n";
}

void PrintSummary(std::size_t succeeded, std::size_t served, const char* done) {
    std::printf("%zu of %zu converter(s) %s\n", succeeded, served, done);
}

int ServePorts(std::vector<std::string> ports, const ServePort& serve, const BatchStyle& style) {
    if (ports.empty()) ports.emplace_back();
    const bool lines = ports.size() > 1 || style.summaryForOne;
    std::mutex printing;
    std::vector<int> codes(ports.size(), exitOk);
    const auto run = [&](std::size_t i) {
        const PortOutcome outcome = serve(ports[i]);
        const std::lock_guard<std::mutex> lock(printing);
        codes[i] = outcome.code;
        if (lines) {
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
    std::size_t succeeded = 0;
    int failure = exitOk;
    for (const int code : codes) {
        if (code == exitOk)
            ++succeeded;
        else
            failure = code;
    }
    if (lines) PrintSummary(succeeded, ports.size(), style.done);
    if (ports.size() == 1) return failure;
    return succeeded == ports.size() ? exitOk : exitBatchFailed;
}

} // namespace zor::cli
