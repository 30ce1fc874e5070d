#include "cli/batch_report.h"

#include "cli/exit_codes.h"
#include "cli/session.h"
#include "cli/settings_description.h"
#include "cli/text.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <ctime>
#include <fstream>

namespace zor::cli {
namespace {

// Called with the report's mutex held: gmtime's result is shared.
std::string utcNow() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    const std::tm* utc = std::gmtime(&now);
    char text[32] = "";
    if (utc != nullptr) std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", utc);
    return text;
}

} // namespace

int BatchReport::open(const std::string& path, const std::string& settingsName, const std::string& sha256,
                      const char* fileKey) {
    path_ = path;
    fileKey_ = fileKey;
    settingsName_ = settingsName;
    sha256_ = sha256;
    if (path_.empty()) return exitOk;
    std::ofstream file(path_, std::ios::binary | std::ios::app);
    if (!file) {
        PrintError("cannot append to the report " + path_);
        return exitFile;
    }
    return exitOk;
}

void BatchReport::append(const ReportEntry& entry) {
    if (path_.empty()) return;
    const std::lock_guard<std::mutex> lock(mutex_);
    const std::string result = !entry.result.empty()               ? entry.result
                               : entry.exitCode == exitOk          ? "ok"
                               : entry.exitCode == exitInterrupted ? "interrupted"
                                                                   : "failed";
    nlohmann::ordered_json line = {{"time", utcNow()},
                                   {"port", entry.port},
                                   {"serialNumber", entry.serialNumber},
                                   {"firmwareVersion", entry.firmwareVersion},
                                   {"mainFunction", entry.mainFunction},
                                   {fileKey_, {{"name", settingsName_}, {"sha256", sha256_}}},
                                   {"result", result},
                                   {"exitCode", entry.exitCode},
                                   {"message", entry.message}};
    if (!entry.verify.empty()) line["verify"] = entry.verify;
    line["seconds"] = static_cast<double>(static_cast<long long>(entry.seconds * 100 + 0.5)) / 100;
    std::ofstream file(path_, std::ios::binary | std::ios::app);
    file << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    if (!file) PrintError("cannot append to the report " + path_);
}

void TakeConverter(ReportEntry& entry, const FoundConverter& converter) {
    entry.serialNumber = Utf8(converter.form.serialNumber);
    entry.firmwareVersion = FirmwareVersion(converter);
    if (converter.form.mainFunction) entry.mainFunction = MainFunctionName(*converter.form.mainFunction);
}

} // namespace zor::cli
