// send: one settings file to one converter or a whole line of them.
#include "cli/batch_report.h"
#include "cli/built_settings.h"
#include "cli/exit_codes.h"
#include "cli/port_batch.h"
#include "cli/port_watch.h"
#include "cli/session.h"
#include "cli/settings_compare.h"
#include "cli/settings_description.h"
#include "cli/settings_input.h"
#include "cli/settings_json.h"
#include "cli/stop_request.h"
#include "cli/subcommand.h"
#include "cli/text.h"
#include "cli/work_in_hand.h"
#include "form/settings_record.h"
#include "image/config_file.h"
#include "link/converter_detection.h"
#include "link/detection_status.h"

#include <chrono>
#include <cstdio>
#include <memory>

namespace zor::cli {
namespace {

struct SendOptions {
    std::string input;
    std::vector<std::string> ports;
    bool serialFromFile = false;
    bool verify = true;          // read each converter back and compare
    std::string report;          // a JSON line per converter appended to it
    bool watch = false;          // serve each converter plugged in, until Ctrl-C
    bool changeFunction = false; // a file of another main function may switch the converter to it
};

// Whether the converter already holds the image a send would give it.
bool holdsFile(const FoundConverter& converter, const SettingsInput& input, const SendOptions& options) {
    const FileDifferences found =
        DifferencesFromFile(converter, input, options.serialFromFile, Compared::Bytes);
    return found.built && found.differences.empty();
}

// Reads the converter back once it has taken the image and compares what it holds with what was sent.
PortOutcome verifySent(ConverterLink& link, const std::string& device, const BuildResult& built) {
    SleepMs(LineTimeMs(static_cast<std::uint32_t>(built.image.length)) + verifySettleMs);
    const QueryResult reply = link.query();
    std::string message;
    const int problem = ReplyProblem(device, reply, message);
    if (problem != exitOk) return {problem, "", "read back: " + message};
    const std::vector<std::uint8_t> sent(built.image.bytes.begin(),
                                         built.image.bytes.begin() + built.image.length);
    const std::vector<FieldDifference> differences = CompareSettings(sent, ReplyImage(reply));
    if (differences.empty()) return {exitOk, "", ""};
    return {exitVerifyFailed, "",
            "verify: the converter holds other settings than it was sent: " +
                DescribeDifferences(differences, "sent", "read back")};
}

// One converter: its settings read, the file opened onto them as the window opens a file, the image
// "Send Settings" would write, written, and with verify read back and compared.
PortOutcome sendTo(const std::string& port, const SettingsInput& input, const SendOptions& options,
                   ReportEntry& entry, WorkInHand& inHand) {
    if (StopRequested()) return NotStarted();
    ConverterLink link;
    FoundConverter converter;
    std::string failure;
    const int found = FindConverter(port, link, converter, &failure);
    if (found != exitOk) return {found, "", failure};
    TakeConverter(entry, converter);
    // The query changes nothing; from the write on, the send is finished and verified whatever comes.
    if (!StartUnlessStopped()) return NotStarted();
    const std::string name = PortDisplayName(converter.device);
    inHand.take(name, entry,
                "stopped while the settings were being sent: read the converter before it is used");
    std::string refusal;
    FormModel form = WithFile(converter, input, options.serialFromFile, refusal);
    if (!refusal.empty()) return {exitCheckRefused, "", refusal};
    const std::optional<MainFunction> had = converter.form.mainFunction;
    const bool switches = had && form.mainFunction && *had != *form.mainFunction;
    if (switches) {
        // The window shows the switch on its radio buttons; here it is said, or refused.
        const std::string which = std::string("the file's main function is ") +
                                  MainFunctionName(*form.mainFunction) + ", the converter's is " +
                                  MainFunctionName(*had);
        if (!options.changeFunction)
            return {exitCheckRefused, "", which + ": give --change-function to switch it"};
        if (input.isJson) {
            const std::string missing = MissingForFunction(input.json, *form.mainFunction);
            if (!missing.empty())
                return {exitCheckRefused, "", which + ", and the file does not give " + missing};
        }
    }
    const std::string serial = Utf8(form.serialNumber);
    BuildResult built = BuildImage(form);
    if (!built.ok) return {exitCheckRefused, "", BuildRefusal(built)};
    const platform::PortResult written =
        link.write(built.image.bytes.data(), static_cast<std::uint32_t>(built.image.length));
    if (!written.ok() || written.count != static_cast<std::uint32_t>(built.image.length))
        return {exitExchangeFailed, "",
                written.ok() ? Utf8(BytesWrittenText(static_cast<std::int32_t>(written.count)))
                             : WriteFailedText(written.error)};
    entry.serialNumber = serial;
    entry.mainFunction = MainFunctionName(*form.mainFunction);
    entry.verify = "off";
    if (options.verify) {
        ReportEntry stopped = entry;
        stopped.verify = "interrupted"; // a read-back cut short is neither "off" nor a verdict
        inHand.update(stopped, "the settings were sent, the converter was not read back to verify them");
        const PortOutcome verified = verifySent(link, converter.device, built);
        entry.verify = verified.code == exitOk             ? "match"
                       : verified.code == exitVerifyFailed ? "mismatch"
                                                           : "not reached";
        if (verified.code != exitOk) return verified;
    }
    return {exitOk,
            PortDisplayName(converter.device) + ": OK: serial " + serial + ", " +
                MainFunctionName(*form.mainFunction) +
                (switches ? std::string(" (was ") + MainFunctionName(*had) + ")" : std::string()) + ", " +
                Utf8(BytesWrittenText(static_cast<std::int32_t>(written.count))) +
                (options.verify ? ", verified\n" : ", not verified\n"),
            ""};
}

int runSend(const SendOptions& options) {
    SettingsInput input;
    const int loaded = LoadSettingsInput(options.input, input);
    if (loaded != exitOk) return loaded;
    SayFileSerialLeftOut(options.input, input, options.serialFromFile, "sent");
    BatchReport report;
    const int opened = report.open(options.report, options.input, input.sha256);
    if (opened != exitOk) return opened;
    WorkInHand inHand(report);
    SetLastWords([&inHand] { inHand.sayLastWords(); });
    const ServePort serve = [&](const std::string& port) {
        const auto start = std::chrono::steady_clock::now();
        ReportEntry entry;
        entry.port = port;
        const PortOutcome outcome = sendTo(port, input, options, entry, inHand);
        entry.exitCode = outcome.code;
        entry.message = outcome.failure;
        entry.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        inHand.finish(entry);
        PortOutcome said = outcome;
        said.serialNumber = entry.serialNumber;
        return said;
    };
    if (!options.watch) inHand.expect(options.ports, ReportEntry());
    if (options.watch) {
        const MatchesFile matches = [&](const FoundConverter& converter) {
            return holdsFile(converter, input, options);
        };
        const int code = WatchPorts(options.ports, serve, matches, {"configured", true, 0, "", "send"});
        SetLastWords({});
        return code;
    }
    const int code = ServePorts(options.ports, serve, {"configured", true, 0, "", "send"});
    SetLastWords({});
    return code;
}

} // namespace

Subcommand AddSendCommand(CLI::App& program) {
    auto options = std::make_shared<SendOptions>();
    CLI::App* command = program.add_subcommand(
        "send", "Send settings to one or many converters, or to each one plugged in (--watch)");
    command->add_option("input", options->input, "FILE.cfg or FILE.json")->required();
    AddPortsOption(*command, options->ports);
    command->add_flag("--serial-from-file", options->serialFromFile,
                      "Send the file's serial number instead of each converter's own (service)");
    command->add_flag("--change-function", options->changeFunction,
                      "Let a file of another main function switch the converter to it (the line then\n"
                      "says so); a JSON file must then give what that function needs (Modbus: modbusRows,\n"
                      "modbusTimeout and baud; SDI12 to RS232: baud; NMEA: registerSets). Without it such\n"
                      "a converter is refused, exit 7");
    command->add_flag("!--no-verify", options->verify,
                      "Do not read each converter back to compare what it holds with what was sent");
    command->add_option(
        "--report", options->report,
        "Append a JSON line per converter to FILE (time, port, serial number, firmware,\n"
        "main function, settings file and its SHA-256, result, exit code, message, seconds, and\n"
        "verify: match, mismatch, off, interrupted or not reached); every converter has its\n"
        "line, whatever the moment of a Ctrl-C");
    command->add_flag("--watch", options->watch,
                      "Wait for converters and configure each, until Ctrl-C. An idle port is asked for\n"
                      "its converter every 2 s: one whose serial number was not served in this run, or\n"
                      "whose settings differ from the file, is configured; one served and still matching\n"
                      "is left alone, with a line. Converters swapped on a port that stays are seen.\n"
                      "Watches the --port ports (a port is there while its device exists), or without\n"
                      "them the system's serial ports (Windows: its COM ports). Exit 9 if any failed");
    return {command, [options] { return runSend(*options); }};
}

} // namespace zor::cli
