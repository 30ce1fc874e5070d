// The converters an exchange is under way with, for the last words of a second Ctrl-C: a converter
// stopped mid-update keeps no working firmware, one stopped before its read-back was never verified,
// and the technician must know which and how far each got, on the screen and in the report.
#pragma once

#include "cli/batch_report.h"

#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <utility>

namespace zor::cli {

class WorkInHand {
  public:
    explicit WorkInHand(BatchReport& report) : report_(report) {}

    // The converter on port is in hand, and what a second Ctrl-C would say of it now.
    void take(const std::string& port, const ReportEntry& entry, const std::string& state);
    void update(const std::string& port, const std::string& state);
    void release(const std::string& port);
    // "PORT: INTERRUPTED: state" for each converter in hand, and its report line.
    void sayLastWords();

  private:
    struct Work {
        ReportEntry entry;
        std::string state;
        std::chrono::steady_clock::time_point start;
    };
    BatchReport& report_;
    std::mutex mutex_;
    std::map<std::string, Work> work_;
};

// A converter in hand for as long as this lives.
class HeldWork {
  public:
    HeldWork(WorkInHand& inHand, std::string port, const ReportEntry& entry, const std::string& state)
        : inHand_(inHand), port_(std::move(port)) {
        inHand_.take(port_, entry, state);
    }
    ~HeldWork() { inHand_.release(port_); }
    HeldWork(const HeldWork&) = delete;
    HeldWork& operator=(const HeldWork&) = delete;

  private:
    WorkInHand& inHand_;
    std::string port_;
};

} // namespace zor::cli
