#include "cli/port_batch.h"

#include "cli/exit_codes.h"
#include "cli/session.h"

#include <cstdio>
#include <mutex>
#include <thread>

namespace zor::cli {

int ServePorts(std::vector<std::string> ports, const ServePort& serve, const BatchStyle& style) {
    if (ports.empty()) ports.emplace_back();
    const bool lines = ports.size() > 1 || style.summaryForOne;
    std::mutex printing;
    std::vector<int> codes(ports.size(), exitOk);
    const auto run = [&](std::size_t i) {
        const PortOutcome outcome = serve(ports[i]);
        const std::lock_guard<std::mutex> lock(printing);
        codes[i] = outcome.code;
        std::fputs(outcome.out.c_str(), stdout);
        if (outcome.code != exitOk) {
            if (lines)
                std::printf("%s: FAILED: %s\n", ports[i].empty() ? "(scan)" : ports[i].c_str(),
                            outcome.failure.c_str());
            else if (!outcome.failure.empty())
                PrintError(outcome.failure);
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
    if (lines) std::printf("%zu of %zu converter(s) %s\n", succeeded, ports.size(), style.done);
    if (ports.size() == 1) return failure;
    return succeeded == ports.size() ? exitOk : exitBatchFailed;
}

} // namespace zor::cli
