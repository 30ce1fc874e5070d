// show: the settings of a configuration file, offline.
#include "cli/built_settings.h"
#include "cli/exit_codes.h"
#include "cli/session.h"
#include "cli/settings_description.h"
#include "cli/settings_json.h"
#include "cli/settings_text.h"
#include "cli/subcommand.h"
#include "cli/text.h"
#include "form/settings_record.h"
#include "image/config_file.h"
#include "link/converter_detection.h"

#include <cstdio>
#include <memory>

namespace zor::cli {
namespace {

struct ShowOptions {
    std::string file;
    bool json = false;
};

int runShow(const ShowOptions& options) {
    if (IsFirmwarePath(FromUtf8(options.file).value_or(u"").c_str())) {
        PrintError(options.file + " is a firmware file, not a configuration");
        return exitNotSettings;
    }
    std::vector<std::uint8_t> bytes;
    const int loaded = LoadFile(options.file, receiveBufferSize, bytes);
    if (loaded != exitOk) return loaded;
    ReplyOutcome file;
    const int recognised = RecogniseConfigBytes(options.file, bytes, file);
    if (recognised != exitOk) return recognised;
    // What send refuses is not shown as settings either.
    const int refused = RefuseUnsendableFile(options.file, file);
    if (refused != exitOk) return refused;
    const FormModel content = FileContent(file);
    if (options.json)
        std::fputs((SettingsToJson(content).dump(2) + "\n").c_str(), stdout);
    else
        std::fputs(Describe(content).c_str(), stdout);
    return exitOk;
}

} // namespace

Subcommand AddShowCommand(CLI::App& program) {
    auto options = std::make_shared<ShowOptions>();
    CLI::App* command = program.add_subcommand(
        "show",
        "Print the settings of a configuration file; one \"Send Settings\" would refuse is refused, exit 7");
    command->add_option("file", options->file, "FILE.cfg")->required();
    command->add_flag("--json", options->json, "Print them as JSON");
    return {command, [options] { return runShow(*options); }};
}

} // namespace zor::cli
