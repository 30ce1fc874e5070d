// restart, led-test and monitor: the single command bytes.
#include "link/converter_commands.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/port_batch.h"
#include "cli/session.h"
#include "cli/stop_request.h"
#include "cli/text.h"
#include "link/detection_status.h"

#include <chrono>
#include <cstdio>

namespace zor::cli {
namespace {

PortOutcome sendCommandByte(const std::string& port, std::uint8_t command, const char* done) {
    ConverterLink link;
    FoundConverter converter;
    std::string failure;
    const int found = FindConverter(port, link, converter, &failure);
    if (found != exitOk) return {found, "", failure};
    const platform::PortResult written = link.sendCommand(command);
    if (!written.ok())
        return {exitExchangeFailed, "",
                PortDisplayName(converter.device) + ": " +
                    Utf8(SerialWriteFailedText(static_cast<std::int32_t>(written.error)))};
    return {exitOk, ConverterLine(converter) + ": " + done + "\n", ""};
}

} // namespace

int RunRestart(const CommandOptions& options) {
    return ServePorts(
        options.ports,
        [](const std::string& port) { return sendCommandByte(port, restartCommand, "restart sent"); },
        {"restarted"});
}

int RunLedTest(const CommandOptions& options) {
    return ServePorts(
        options.ports,
        [](const std::string& port) { return sendCommandByte(port, testLedsCommand, "LED test sent"); },
        {"tested"});
}

int RunMonitor(const MonitorOptions& options) {
    ConverterLink link;
    FoundConverter converter;
    const int found = FindConverter(options.port, link, converter);
    if (found != exitOk) return found;
    std::fprintf(stderr, "%s: incoming NMEA, stop with Ctrl-C\n", ConverterLine(converter).c_str());

    StopOnInterrupt();
    // As the incoming view starts: an empty input queue, then the start byte.
    (void)link.purgeReceive();
    platform::PortResult written = link.sendCommand(startStreamingCommand);
    if (!written.ok()) {
        PrintError(Utf8(SerialWriteFailedText(static_cast<std::int32_t>(written.error))));
        return exitExchangeFailed;
    }
    const auto start = std::chrono::steady_clock::now();
    std::uint8_t buffer[512];
    int code = exitOk;
    while (!StopRequested()) {
        if (options.seconds &&
            std::chrono::steady_clock::now() - start >= std::chrono::seconds(*options.seconds))
            break;
        // Each read ends by the 200 ms time-outs, so a stop request is seen promptly.
        const platform::PortResult read = link.read(buffer, sizeof buffer);
        if (!read.ok()) {
            PrintError(Utf8(FileReadErrorText(static_cast<std::int32_t>(read.error))));
            code = exitExchangeFailed;
            break;
        }
        if (read.count > 0) {
            std::fwrite(buffer, 1, read.count, stdout);
            std::fflush(stdout);
        }
    }
    // As the view stops: the stop byte, then the input queue emptied.
    written = link.sendCommand(stopStreamingCommand);
    (void)link.purgeReceive();
    if (!written.ok()) {
        PrintError(Utf8(SerialWriteFailedText(static_cast<std::int32_t>(written.error))));
        return exitExchangeFailed;
    }
    return code;
}

} // namespace zor::cli
