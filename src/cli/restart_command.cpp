// restart: the converter restarted by its command byte.
#include "cli/command_byte.h"
#include "link/command_bytes.h"

namespace zor::cli {

Subcommand AddRestartCommand(CLI::App& program) {
    return AddCommandByteCommand(program, {"restart", "Restart the converter (command byte 'b')",
                                           restartCommand, "restart sent", "restarted"});
}

} // namespace zor::cli
