#include "cli/work_in_hand.h"

#include "cli/exit_codes.h"

#include <cstdio>

namespace zor::cli {

void WorkInHand::take(const std::string& port, const ReportEntry& entry, const std::string& state) {
    const std::lock_guard<std::mutex> lock(mutex_);
    work_[port] = {entry, state, std::chrono::steady_clock::now()};
}

void WorkInHand::update(const std::string& port, const std::string& state) {
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto work = work_.find(port);
    if (work != work_.end()) work->second.state = state;
}

void WorkInHand::release(const std::string& port) {
    const std::lock_guard<std::mutex> lock(mutex_);
    work_.erase(port);
}

void WorkInHand::sayLastWords() {
    const std::lock_guard<std::mutex> lock(mutex_);
    for (auto& [port, work] : work_) {
        std::printf("%s: INTERRUPTED: %s\n", port.c_str(), work.state.c_str());
        work.entry.exitCode = exitInterrupted;
        work.entry.message = work.state;
        work.entry.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - work.start).count();
        report_.append(work.entry);
    }
    std::fflush(stdout);
}

} // namespace zor::cli
