// read: the converter's settings printed, as text or JSON, or saved as "Save Config" would.
#include "cli/built_settings.h"
#include "cli/exit_codes.h"
#include "cli/port_batch.h"
#include "cli/session.h"
#include "cli/settings_compare.h"
#include "cli/settings_description.h"
#include "cli/settings_input.h"
#include "cli/settings_json.h"
#include "cli/settings_text.h"
#include "cli/subcommand.h"
#include "form/settings_record.h"

#include <cstdio>
#include <memory>

namespace zor::cli {
namespace {

struct ReadOptions {
    std::vector<std::string> ports; // none: the first converter a scan finds
    std::string output;
    bool json = false;
};

PortOutcome readPort(const std::string& port, const ReadOptions& options, bool several) {
    ConverterLink link;
    FoundConverter converter;
    std::string failure;
    const int code = FindConverter(port, link, converter, &failure);
    if (code != exitOk) return {code, "", failure};
    link.close();
    // Several converters' JSON: one line each, the port first.
    if (options.json && several) {
        nlohmann::ordered_json line = {{"port", PortDisplayName(converter.device)}};
        line.update(SettingsToJson(converter.form));
        return {exitOk, line.dump() + "\n", ""};
    }
    std::string out = options.json ? SettingsToJson(converter.form).dump(2) + "\n"
                                   : "Port: " + ConverterLine(converter) + "\n" + Describe(converter.form);
    if (!options.output.empty()) {
        std::fputs(out.c_str(), stdout);
        out.clear();
        const int saved = SaveBuiltImage(converter.form, options.output);
        if (saved != exitOk) return {saved, "", "not saved"};
        // The file holds what "Send Settings" would write, which is not always what the converter holds.
        const std::vector<FieldDifference> rewritten = SendRewrites(converter);
        if (!rewritten.empty())
            PrintError(options.output + " holds what a send writes, otherwise than the converter holds it: " +
                       DescribeDifferences(rewritten, "file", "converter"));
    }
    return {exitOk, out, ""};
}

int runRead(const ReadOptions& options) {
    if (!options.output.empty() && options.ports.size() > 1) {
        PrintError("-o saves one converter's settings: give one --port");
        return exitUsage;
    }
    const bool several = options.ports.size() > 1;
    return ServePorts(options.ports,
                      [&](const std::string& port) { return readPort(port, options, several); }, {"read"});
}

} // namespace

Subcommand AddReadCommand(CLI::App& program) {
    auto options = std::make_shared<ReadOptions>();
    CLI::App* command = program.add_subcommand("read", "Read the converter's settings and print them");
    AddPortsOption(*command, options->ports);
    command->add_option("-o,--output", options->output,
                        "Save them as \"Save Config\" would (FILE.cfg), saying each value a send writes\n"
                        "otherwise than the converter holds it");
    command->add_flag("--json", options->json, "Print them as JSON (the text build and send take)");
    return {command, [options] { return runRead(*options); }};
}

} // namespace zor::cli
