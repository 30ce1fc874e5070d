// diff: each converter's settings compared field by field with a settings file; nothing is written.
#include "cli/batch_report.h"
#include "cli/exit_codes.h"
#include "cli/port_batch.h"
#include "cli/session.h"
#include "cli/settings_description.h"
#include "cli/settings_input.h"
#include "cli/stop_request.h"
#include "cli/subcommand.h"
#include "cli/text.h"
#include "cli/work_in_hand.h"

#include <chrono>
#include <memory>

namespace zor::cli {
namespace {

struct DiffOptions {
    std::string input;
    std::vector<std::string> ports;
    std::string report; // a JSON line per converter appended to it
};

// One converter: read, the file opened onto its settings as send opens it (its own serial number kept),
// and the image a send would write compared with what it holds.
PortOutcome diffWith(const std::string& port, const SettingsInput& input, ReportEntry& entry) {
    if (!StartUnlessStopped()) return NotStarted();
    ConverterLink link;
    FoundConverter converter;
    std::string failure;
    const int found = FindConverter(port, link, converter, &failure);
    if (found != exitOk) return {found, "", failure};
    link.close();
    TakeConverter(entry, converter);
    const FileDifferences compared = DifferencesFromFile(converter, input, false, Compared::Values);
    if (!compared.built) return {exitCheckRefused, "", compared.refusal};
    const std::string converterLine = "serial " + entry.serialNumber + ", " + entry.mainFunction;
    if (compared.differences.empty()) {
        entry.result = "same";
        return {exitOk, PortDisplayName(converter.device) + ": SAME: " + converterLine + "\n"};
    }
    entry.result = "differs";
    entry.message = DescribeDifferences(compared.differences, "file", "converter");
    return {exitDiffers,
            PortDisplayName(converter.device) + ": DIFFERS: " + converterLine + ": " + entry.message + "\n"};
}

int runDiff(const DiffOptions& options) {
    SettingsInput input;
    const int loaded = LoadSettingsInput(options.input, input);
    if (loaded != exitOk) return loaded;
    SayFileSerialLeftOut(options.input, input, false, "compared");
    BatchReport report;
    const int opened = report.open(options.report, options.input, input.sha256);
    if (opened != exitOk) return opened;
    WorkInHand inHand(report);
    ReportEntry blank;
    blank.verify.clear();
    inHand.expect(options.ports, blank);
    SetLastWords([&inHand] { inHand.sayLastWords(); });
    const int code =
        ServePorts(options.ports,
                   [&](const std::string& port) {
                       const auto start = std::chrono::steady_clock::now();
                       ReportEntry entry;
                       entry.port = port;
                       entry.verify.clear();
                       PortOutcome outcome = diffWith(port, input, entry);
                       entry.exitCode = outcome.code;
                       if (outcome.code != exitDiffers) entry.message = outcome.failure;
                       entry.seconds =
                           std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                       inHand.finish(entry);
                       outcome.serialNumber = entry.serialNumber;
                       return outcome;
                   },
                   {"compared", true, exitDiffers, "differing", "comparison"});
    SetLastWords({});
    return code;
}

} // namespace

Subcommand AddDiffCommand(CLI::App& program) {
    auto options = std::make_shared<DiffOptions>();
    CLI::App* command = program.add_subcommand(
        "diff", "Compare each converter's settings with a file, field by field; nothing is written");
    command->add_option("input", options->input, "FILE.cfg or FILE.json")->required();
    AddPortsOption(*command, options->ports);
    command->add_option("--report", options->report,
                        "Append a JSON line per converter to FILE, as send does; result \"same\",\n"
                        "\"differs\" (message names the fields) or \"failed\"");
    return {command, [options] { return runDiff(*options); }};
}

} // namespace zor::cli
