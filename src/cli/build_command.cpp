// build: a configuration file from JSON settings, with the checks of "Send Settings".
#include "cli/built_settings.h"
#include "cli/exit_codes.h"
#include "cli/session.h"
#include "cli/settings_description.h"
#include "cli/settings_json.h"
#include "cli/settings_text.h"
#include "cli/subcommand.h"
#include "form/settings_record.h"

#include <memory>

namespace zor::cli {
namespace {

struct BuildOptions {
    std::string input;
    std::string output;
};

int runBuild(const BuildOptions& options) {
    std::vector<std::uint8_t> bytes;
    const int loaded = LoadFile(options.input, largestSettingsText, bytes);
    if (loaded != exitOk) return loaded;
    if (bytes.size() > largestSettingsText || !IsSettingsText(bytes)) {
        PrintError(options.input + " is not a settings text (JSON)");
        return exitNotSettings;
    }
    nlohmann::json json;
    const int parsed = ReadSettingsText(options.input, bytes, json);
    if (parsed != exitOk) return parsed;
    FormModel form;
    std::string error;
    const int applied = ApplySettingsJson(form, json, true, error);
    if (applied != exitOk) {
        PrintError(options.input + ": " + error);
        return applied;
    }
    if (!form.mainFunction) {
        PrintError(options.input + ": mainFunction is missing");
        return exitNotSettings;
    }
    return SaveBuiltImage(form, options.output);
}

} // namespace

Subcommand AddBuildCommand(CLI::App& program) {
    auto options = std::make_shared<BuildOptions>();
    CLI::App* command = program.add_subcommand(
        "build", "Write a configuration file from JSON settings, with the checks of \"Send Settings\"\n"
                 "and the window's rules for what is typed (a text where a number belongs, a parameter\n"
                 "selected twice, more decimals than the converter keeps): refused in its words, exit 7");
    command->add_option("input", options->input, "FILE.json")->required();
    command->add_option("-o,--output", options->output, "FILE.cfg")->required();
    return {command, [options] { return runBuild(*options); }};
}

} // namespace zor::cli
