// The commands of zor-config. Each returns its exit code (exit_codes.h) and writes what it found to
// standard output, errors to standard error.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zor::cli {

struct ScanOptions {
    std::vector<std::string> ports; // tried besides the system's list
};
struct ReadOptions {
    std::vector<std::string> ports; // none: the first converter a scan finds
    std::string output;
    bool json = false;
};
struct ShowOptions {
    std::string file;
    bool json = false;
};
struct BuildOptions {
    std::string input;
    std::string output;
};
struct SendOptions {
    std::string input;
    std::vector<std::string> ports;
    bool serialFromFile = false;
    bool verify = true; // read each converter back and compare
    std::string report; // a JSON line per converter appended to it
    bool watch = false; // serve each converter plugged in, until Ctrl-C
};
struct FirmwareOptions {
    std::string file;
    std::vector<std::string> ports;
    bool yes = false;
};
struct CommandOptions {
    std::vector<std::string> ports;
};
struct MonitorOptions {
    std::string port;
    std::optional<std::uint32_t> seconds;
};

int RunScan(const ScanOptions& options);
int RunRead(const ReadOptions& options);
int RunShow(const ShowOptions& options);
int RunBuild(const BuildOptions& options);
int RunSend(const SendOptions& options);
int RunFirmware(const FirmwareOptions& options);
int RunRestart(const CommandOptions& options);
int RunLedTest(const CommandOptions& options);
int RunMonitor(const MonitorOptions& options);

} // namespace zor::cli
