#include "cli/command_table.h"

#include "cli/exit_codes.h"
#include "cli/subcommand.h"

#include <string>
#include <vector>

namespace zor::cli {
namespace {

// In the order --help lists them.
constexpr AddSubcommand subcommands[] = {
    AddScanCommand,     AddReadCommand,    AddShowCommand,    AddBuildCommand,   AddSendCommand,
    AddFirmwareCommand, AddRestartCommand, AddLedTestCommand, AddMonitorCommand,
};

} // namespace

int RunCommandLine(int argc, char** argv) {
    CLI::App program{
        "zor-config: reads, saves, shows, builds and sends ZOR-MX-410 settings, updates the firmware\n"
        "and watches the incoming NMEA, from the command line.",
        "zor-config"};
    program.require_subcommand(1);
    program.footer(
        std::string(
            "\nPorts: COM3 (or 3) on Windows, a device path (/dev/ttyUSB0, /dev/serial/by-id/...) on Linux.\n"
            "Without --port the ports are tried in turn and the first converter that answers is used;\n"
            "with several, the converters are served at the same time, a line each as it finishes.\n"
            "send --watch waits for converters to be plugged in and configures each, until Ctrl-C.\n\n") +
        ExitCodesHelp());

    std::vector<Subcommand> commands;
    for (const AddSubcommand add : subcommands)
        commands.push_back(add(program));
    try {
        program.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int shown = program.exit(e);
        return shown == 0 ? exitOk : exitUsage;
    }
    for (const Subcommand& command : commands)
        if (command.parser->parsed()) return command.run();
    return exitUsage;
}

} // namespace zor::cli
