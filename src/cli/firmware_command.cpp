// firmware: the firmware transfer stepped as the window's job steps it, on the real clock, with a
// progress bar on a terminal.
#include "cli/batch_report.h"
#include "cli/exit_codes.h"
#include "cli/port_batch.h"
#include "cli/session.h"
#include "cli/settings_description.h"
#include "cli/sha256.h"
#include "cli/stop_request.h"
#include "cli/subcommand.h"
#include "cli/text.h"
#include "cli/work_in_hand.h"
#include "image/config_file.h"
#include "link/command_bytes.h"
#include "link/detection_status.h"
#include "link/firmware_transfer.h"
#include "link/serial_firmware_port.h"
#include "platform/terminal.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace zor::cli {
namespace {

struct FirmwareOptions {
    std::string file;
    std::vector<std::string> ports;
    bool yes = false;
    std::string report; // a JSON line per converter appended to it
};

std::int32_t packetCount(const FirmwareTransfer& transfer) {
    return transfer.image.size / firmwarePacketData + 1;
}

// What a second Ctrl-C says of a converter whose update is under way.
std::string halfFlashed(const FirmwareTransfer& transfer) {
    return "half-flashed, stopped at packet " + std::to_string(transfer.acknowledged + 1) + " of " +
           std::to_string(packetCount(transfer)) + ": send the firmware again before the converter is used";
}

void drawProgress(const FirmwareTransfer& transfer, std::int32_t resent) {
    const std::int32_t total = packetCount(transfer);
    const std::int32_t done = transfer.acknowledged;
    constexpr std::int32_t width = 40;
    const std::int32_t filled = total > 0 ? done * width / total : width;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.append(static_cast<std::size_t>(width - filled), '.');
    std::fprintf(stderr, "\r[%s] %d/%d packets", bar.c_str(), done, total);
    if (resent > 0) std::fprintf(stderr, ", %d resent", resent);
    std::fflush(stderr);
}

// The update of one converter: its transfer stepped as the window's job does, on the real clock. Once
// the start is written it runs to its end or is given up, whatever Ctrl-C comes.
PortOutcome updatePort(const std::string& port, FirmwareTransfer& transfer, bool bar, WorkInHand& inHand,
                       ReportEntry& entry) {
    if (StopRequested()) return NotStarted();
    ConverterLink link;
    FoundConverter converter;
    std::string failure;
    const int found = FindConverter(port, link, converter, &failure);
    if (found != exitOk) return {found, "", failure};
    TakeConverter(entry, converter);
    if (!StartUnlessStopped()) return NotStarted();
    const std::string name = PortDisplayName(converter.device);
    inHand.take(name, entry, halfFlashed(transfer));
    std::vector<std::uint8_t> receive(receiveBufferSize, 0);
    SerialFirmwarePort firmwarePort(link.handle(), receive.data());
    std::int32_t resent = 0;
    std::u16string status;
    for (;;) {
        const FirmwareTransferStep step = StepFirmwareTransfer(transfer, firmwarePort);
        if (step.statusChanged) {
            status = step.status;
            if (status == packetSendFailedStatus) ++resent;
            if (bar && transfer.state >= firmwareSendPacket) drawProgress(transfer, resent);
            inHand.update(entry, halfFlashed(transfer));
        }
        if (step.finished) {
            if (bar) std::fputc('\n', stderr);
            const platform::PortResult ended = link.sendCommand(endOfFirmwareCommand);
            if (!ended.ok()) return {exitExchangeFailed, "", name + ": " + WriteFailedText(ended.error)};
            return {exitOk,
                    ConverterLine(converter) +
                        ": Firmware update complete: " + std::to_string(transfer.image.size) + " bytes in " +
                        std::to_string(transfer.acknowledged) + " packets, " + std::to_string(resent) +
                        " resent\n",
                    ""};
        }
        if (step.armMs == 0) break;
        SleepMs(step.armMs);
    }
    if (bar) std::fputc('\n', stderr);
    return {exitExchangeFailed, "", name + ": firmware update failed: " + Utf8(status)};
}

int runFirmware(const FirmwareOptions& options) {
    std::vector<std::uint8_t> bytes;
    std::uint64_t size = 0;
    const int loaded = LoadFile(options.file, firmwareCapacity, bytes, &size);
    if (loaded != exitOk) return loaded;
    auto transfer = std::make_unique<FirmwareTransfer>();
    const FirmwareFileCheck check = StartFirmwareTransfer(*transfer, bytes.data(), size);
    if (!check.ok) {
        PrintError(options.file + ": " + Utf8(check.message));
        return exitNotSettings;
    }
    // The window's warning, with the terminal's way of saying OK.
    std::fprintf(stderr,
                 "A firmware file was selected.\nFirmware updates may cause the converter to fail!\n");
    if (!options.yes) {
        PrintError("give --yes to proceed");
        return exitUsage;
    }
    std::fprintf(stderr, "Proceeding, as --yes was given.\n");
    BatchReport report;
    const int opened = report.open(options.report, options.file, Sha256Hex(bytes), "firmwareFile");
    if (opened != exitOk) return opened;
    WorkInHand inHand(report);
    SetLastWords([&inHand] { inHand.sayLastWords(); });

    ReportEntry blank;
    blank.verify.clear();
    inHand.expect(options.ports, blank);
    const bool one = options.ports.size() <= 1;
    const int code = ServePorts(
        options.ports,
        [&](const std::string& port) {
            const auto start = std::chrono::steady_clock::now();
            ReportEntry entry;
            entry.port = port;
            entry.verify.clear();
            auto own = std::make_unique<FirmwareTransfer>(*transfer);
            const PortOutcome outcome = updatePort(
                port, *own, one && platform::isTerminal(platform::StandardStream::Error), inHand, entry);
            entry.exitCode = outcome.code;
            entry.message = outcome.failure;
            entry.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            inHand.finish(entry);
            return outcome;
        },
        {"updated", false, 0, "", "firmware update"});
    SetLastWords({});
    return code;
}

} // namespace

Subcommand AddFirmwareCommand(CLI::App& program) {
    auto options = std::make_shared<FirmwareOptions>();
    CLI::App* command = program.add_subcommand("firmware", "Send a firmware image to the converter");
    command->add_option("file", options->file, "FILE.binary (at most 32768 bytes)")->required();
    AddPortsOption(*command, options->ports);
    command->add_flag("-y,--yes", options->yes, "Proceed: firmware updates may cause the converter to fail");
    command->add_option("--report", options->report,
                        "Append a JSON line per converter to FILE, as send --report does (with firmwareFile\n"
                        "for settingsFile and no verify)");
    return {command, [options] { return runFirmware(*options); }};
}

} // namespace zor::cli
