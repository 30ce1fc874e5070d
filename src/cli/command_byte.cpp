#include "cli/command_byte.h"

#include "cli/exit_codes.h"
#include "cli/port_batch.h"
#include "cli/session.h"

#include <memory>
#include <string>
#include <vector>

namespace zor::cli {
namespace {

PortOutcome sendCommandByte(const std::string& port, const CommandByte& byte) {
    ConverterLink link;
    FoundConverter converter;
    std::string failure;
    const int found = FindConverter(port, link, converter, &failure);
    if (found != exitOk) return {found, "", failure};
    const platform::PortResult written = link.sendCommand(byte.command);
    if (!written.ok())
        return {exitExchangeFailed, "",
                PortDisplayName(converter.device) + ": " + WriteFailedText(written.error)};
    return {exitOk, ConverterLine(converter) + ": " + byte.sent + "\n", ""};
}

} // namespace

Subcommand AddCommandByteCommand(CLI::App& program, const CommandByte& byte) {
    auto ports = std::make_shared<std::vector<std::string>>();
    CLI::App* command = program.add_subcommand(byte.name, byte.description);
    AddPortsOption(*command, *ports);
    return {command, [ports, byte] {
                return ServePorts(*ports,
                                  [&byte](const std::string& port) { return sendCommandByte(port, byte); },
                                  {byte.summary});
            }};
}

} // namespace zor::cli
