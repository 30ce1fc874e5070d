// The converters of a batch and those an exchange is under way with, for the last words of a second
// Ctrl-C: a converter stopped mid-update keeps no working firmware, one stopped before its read-back was
// never verified, and the technician must know which and how far each got, on the screen and in the
// report, where every converter of the batch has its line whatever the moment.
#pragma once

#include "cli/batch_report.h"

#include <chrono>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace zor::cli {

class WorkInHand {
  public:
    explicit WorkInHand(BatchReport& report) : report_(report) {}

    // The ports of the batch as given, each owed a report line; blank is the line of one not started
    // (its verify, or none).
    void expect(const std::vector<std::string>& ports, const ReportEntry& blank);
    // The converter of entry.port is in hand, shown as name, and what a second Ctrl-C would say of it
    // and write for it now.
    void take(const std::string& name, const ReportEntry& entry, const std::string& state);
    void update(const ReportEntry& entry, const std::string& state);
    // A converter's report line, written once, and the converter no longer in hand; nothing after the
    // last words.
    void finish(const ReportEntry& entry);
    // "NAME: INTERRUPTED: state" for each converter in hand, "not started" for each other port still
    // owed its line, and their report lines.
    void sayLastWords();

  private:
    struct Work {
        std::string name;
        ReportEntry entry;
        std::string state;
        std::chrono::steady_clock::time_point start;
    };
    BatchReport& report_;
    std::mutex mutex_;
    std::map<std::string, Work> work_; // by the port as given
    std::set<std::string> owed_;       // ports as given, not yet reported
    ReportEntry blank_;
    bool said_ = false;
};

} // namespace zor::cli
