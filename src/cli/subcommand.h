// A subcommand of zor-config. Each has a file of its own (scan_command.cpp, read_command.cpp, ...)
// holding its options and its run function; command_table.cpp lists them in the order --help shows
// them. docs/adding-a-subcommand.md says how to add one.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <string>
#include <vector>

namespace zor::cli {

struct Subcommand {
    CLI::App* parser = nullptr; // asked after parsing whether this subcommand was given
    std::function<int()> run;   // returns the exit code (exit_codes.h)
};

// Adds the subcommand and its options to the program's parser. The options live as long as run.
using AddSubcommand = Subcommand (*)(CLI::App& program);

// --port as the commands that serve one or several converters take it (port_batch.h).
inline CLI::Option* AddPortsOption(CLI::App& command, std::vector<std::string>& ports) {
    return command.add_option("--port", ports, "A converter's port; once for each converter");
}

Subcommand AddScanCommand(CLI::App& program);
Subcommand AddReadCommand(CLI::App& program);
Subcommand AddShowCommand(CLI::App& program);
Subcommand AddBuildCommand(CLI::App& program);
Subcommand AddSendCommand(CLI::App& program);
Subcommand AddDiffCommand(CLI::App& program);
Subcommand AddFirmwareCommand(CLI::App& program);
Subcommand AddRestartCommand(CLI::App& program);
Subcommand AddLedTestCommand(CLI::App& program);
Subcommand AddMonitorCommand(CLI::App& program);

} // namespace zor::cli
