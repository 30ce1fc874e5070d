// monitor: the NMEA sentences the converter receives, streamed to standard output until Ctrl-C.
#include "cli/exit_codes.h"
#include "cli/session.h"
#include "cli/stop_request.h"
#include "cli/subcommand.h"
#include "link/streaming.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>

namespace zor::cli {
namespace {

struct MonitorOptions {
    std::string port;
    std::optional<std::uint32_t> seconds;
};

int runMonitor(const MonitorOptions& options) {
    ConverterLink link;
    FoundConverter converter;
    const int found = FindConverter(options.port, link, converter);
    if (found != exitOk) return found;
    std::fprintf(stderr, "%s: incoming NMEA, stop with Ctrl-C\n", ConverterLine(converter).c_str());

    StopOnInterrupt();
    const auto send = [&link](std::uint8_t command) { return link.sendCommand(command); };
    platform::PortResult written = StartStreamingThrough(link.handle(), send);
    if (!written.ok()) {
        PrintError(WriteFailedText(written.error));
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
            PrintError(ReadFailedText(read.error));
            code = exitExchangeFailed;
            break;
        }
        if (read.count > 0) {
            std::fwrite(buffer, 1, read.count, stdout);
            std::fflush(stdout);
        }
    }
    written = StopStreamingThrough(link.handle(), send);
    if (!written.ok()) {
        PrintError(WriteFailedText(written.error));
        return exitExchangeFailed;
    }
    return code;
}

} // namespace

Subcommand AddMonitorCommand(CLI::App& program) {
    auto options = std::make_shared<MonitorOptions>();
    auto seconds = std::make_shared<std::uint32_t>(0);
    CLI::App* command =
        program.add_subcommand("monitor", "Print the NMEA sentences the converter receives until Ctrl-C");
    command->add_option("--port", options->port, "The converter's port");
    CLI::Option* secondsOption = command->add_option("--seconds", *seconds, "Stop after this many seconds");
    return {command, [options, seconds, secondsOption] {
                if (secondsOption->count() > 0) options->seconds = *seconds;
                return runMonitor(*options);
            }};
}

} // namespace zor::cli
