#include "cli/work_in_hand.h"

#include "cli/exit_codes.h"
#include "cli/port_batch.h"

#include <cstdio>

namespace zor::cli {

void WorkInHand::expect(const std::vector<std::string>& ports, const ReportEntry& blank) {
    const std::lock_guard<std::mutex> lock(mutex_);
    blank_ = blank;
    owed_.insert(ports.begin(), ports.end());
    if (ports.empty()) owed_.insert(""); // the first converter a scan finds
}

void WorkInHand::take(const std::string& name, const ReportEntry& entry, const std::string& state) {
    const std::lock_guard<std::mutex> lock(mutex_);
    work_[entry.port] = {name, entry, state, std::chrono::steady_clock::now()};
}

void WorkInHand::update(const ReportEntry& entry, const std::string& state) {
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto work = work_.find(entry.port);
    if (work == work_.end()) return;
    work->second.entry = entry;
    work->second.state = state;
}

void WorkInHand::finish(const ReportEntry& entry) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (said_) return;
    work_.erase(entry.port);
    owed_.erase(entry.port);
    report_.append(entry);
}

void WorkInHand::sayLastWords() {
    const std::lock_guard<std::mutex> lock(mutex_);
    said_ = true;
    for (auto& [port, work] : work_) {
        std::printf("%s: INTERRUPTED: %s\n", work.name.c_str(), work.state.c_str());
        work.entry.exitCode = exitInterrupted;
        work.entry.message = work.state;
        work.entry.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - work.start).count();
        report_.append(work.entry);
        owed_.erase(port);
    }
    for (const std::string& port : owed_) {
        const PortOutcome notStarted = NotStarted();
        std::fputs(PortLine(port.empty() ? "(scan)" : port, notStarted).c_str(), stdout);
        ReportEntry entry = blank_;
        entry.port = port;
        entry.exitCode = notStarted.code;
        entry.message = notStarted.failure;
        report_.append(entry);
    }
    std::fflush(stdout);
}

} // namespace zor::cli
