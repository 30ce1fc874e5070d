// The subcommands that send the converter one command byte and nothing else (restart, led-test): each
// converter found as for any exchange, then the byte written.
#pragma once

#include "cli/subcommand.h"

#include <cstdint>

namespace zor::cli {

struct CommandByte {
    const char* name;        // the subcommand
    const char* description; // for --help
    std::uint8_t command;
    const char* sent;    // said after the converter's line: "restart sent"
    const char* summary; // "3 of 3 converter(s) restarted"
};

Subcommand AddCommandByteCommand(CLI::App& program, const CommandByte& byte);

} // namespace zor::cli
