// led-test: the converter's LEDs lit by their command byte.
#include "cli/command_byte.h"
#include "link/command_bytes.h"

namespace zor::cli {

Subcommand AddLedTestCommand(CLI::App& program) {
    return AddCommandByteCommand(program, {"led-test", "Light the converter's LEDs (command byte 'l')",
                                           testLedsCommand, "LED test sent", "tested"});
}

} // namespace zor::cli
