// scan: every port where a converter answers the query, a line each.
#include "cli/exit_codes.h"
#include "cli/session.h"
#include "cli/subcommand.h"
#include "platform/port_list.h"

#include <cstdio>
#include <memory>

namespace zor::cli {
namespace {

struct ScanOptions {
    std::vector<std::string> ports; // tried besides the system's list
};

int runScan(const ScanOptions& options) {
    std::vector<std::string> devices = platform::listSerialPorts();
    for (const std::string& port : options.ports)
        devices.push_back(PortDeviceName(port));
    int found = 0;
    for (const std::string& device : devices) {
        ConverterLink link;
        FoundConverter converter;
        std::string message;
        // As the window's scan: a port that does not open, or where nothing answers, is skipped.
        if (AskConverter(device, link, converter, message) != exitOk) continue;
        std::printf("%s\n", ConverterLine(converter).c_str());
        std::fflush(stdout);
        ++found;
    }
    if (found == 0) {
        PrintError("no converter answered on " + std::to_string(devices.size()) + " port(s)");
        return exitNoConverter;
    }
    return exitOk;
}

} // namespace

Subcommand AddScanCommand(CLI::App& program) {
    auto options = std::make_shared<ScanOptions>();
    CLI::App* command = program.add_subcommand("scan", "List every port where a converter answers the query");
    command->add_option("--port", options->ports, "A port to try besides those the system lists");
    return {command, [options] { return runScan(*options); }};
}

} // namespace zor::cli
