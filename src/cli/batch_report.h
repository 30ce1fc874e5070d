// The record of a batch: one JSON line per converter appended to a file, ready for a line's database.
//   time             when the converter was done, UTC, "2025-01-31T14:05:09Z"
//   port             the port as given
//   serialNumber, firmwareVersion, mainFunction   as the converter answered (empty when it did not)
//   settingsFile     {"name": the file as given, "sha256": its bytes' SHA-256} (firmware: firmwareFile)
//   result           "ok", "failed" or "interrupted" (Ctrl-C), diff's "same" or "differs" in place
//                    of "ok"; exitCode and message say why
//   verify           "match", "mismatch", "off" (--no-verify) or "not reached"; none for firmware
//   seconds          how long the converter took
#pragma once

#include <mutex>
#include <string>

namespace zor::cli {

struct FoundConverter;

struct ReportEntry {
    std::string port;
    std::string serialNumber;
    std::string firmwareVersion;
    std::string mainFunction;
    int exitCode = 0;
    std::string result; // empty: "ok", "failed" or "interrupted" by the exit code
    std::string message;
    std::string verify = "not reached"; // empty: no such field
    double seconds = 0;
};

// The converter as it answered (its serial number, firmware version and main function) into its line.
void TakeConverter(ReportEntry& entry, const FoundConverter& converter);

class BatchReport {
  public:
    // Whether path can be appended to; exitOk, or exitFile with a message printed. An empty path is
    // no report.
    int open(const std::string& path, const std::string& settingsName, const std::string& sha256,
             const char* fileKey = "settingsFile");
    // One line, from any thread.
    void append(const ReportEntry& entry);

  private:
    std::mutex mutex_;
    std::string path_;
    std::string settingsName_;
    std::string sha256_;
    const char* fileKey_ = "settingsFile";
};

} // namespace zor::cli
