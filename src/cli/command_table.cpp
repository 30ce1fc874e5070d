#include "cli/command_table.h"

#include "cli/exit_codes.h"
#include "cli/subcommand.h"

#include <string>
#include <vector>

namespace zor::cli {
namespace {

// In the order --help lists them.
constexpr AddSubcommand subcommands[] = {
    AddScanCommand, AddReadCommand,     AddShowCommand,    AddBuildCommand,   AddSendCommand,
    AddDiffCommand, AddFirmwareCommand, AddRestartCommand, AddLedTestCommand, AddMonitorCommand,
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
            "with several, the converters are served at the same time, a line each as it finishes; a port\n"
            "named twice (by a link and by its device) is refused.\n"
            "send --watch asks each idle port for its converter every 2 s and configures each converter\n"
            "new to the run or not holding the file, until Ctrl-C.\n"
            "Ctrl-C (or SIGTERM) starts no new converter: the sends and firmware updates under way finish,\n"
            "then the summary and the --report lines (\"interrupted\" for those not started). A second\n"
            "Ctrl-C ends at once, naming each converter left half-flashed and the packet it stopped at.\n"
            "send refuses to switch a converter's main function unless --change-function is given.\n"
            "diff opens the file onto each converter's settings as send does (its own serial number is\n"
            "kept) and compares; it writes nothing.\n\n") +
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
