// send: one settings file to one converter or a whole line of them.
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/session.h"
#include "cli/settings_json.h"
#include "cli/text.h"
#include "image/config_file.h"
#include "link/converter_detection.h"
#include "link/detection_status.h"

#include <cstdio>

namespace zor::cli {
namespace {

// The settings to send, as read from the file once.
struct SettingsInput {
    bool isJson = false;
    nlohmann::json json;
    std::vector<std::uint8_t> bytes;
    ReplyOutcome file;
};

int loadInput(const std::string& path, SettingsInput& input) {
    const int loaded = LoadFile(path, largestSettingsText, input.bytes);
    if (loaded != exitOk) return loaded;
    input.isJson = StartsLikeJson(input.bytes);
    if (input.isJson) {
        input.json = nlohmann::json::parse(input.bytes.begin(), input.bytes.end(), nullptr, false);
        if (input.bytes.size() > largestSettingsText || input.json.is_discarded()) {
            PrintError(path + " is not valid JSON");
            return exitNotSettings;
        }
        FormState scratch;
        std::string error;
        if (!ApplySettingsJson(scratch, input.json, false, error)) {
            PrintError(path + ": " + error);
            return exitNotSettings;
        }
        return exitOk;
    }
    return RecogniseConfigBytes(path, input.bytes, input.file);
}

// One converter: its settings read, the file opened onto them as the window opens a file, the image
// "Send Settings" would write, written. line gets what happened.
int sendTo(const std::string& port, const SettingsInput& input, bool serialFromFile, std::string& line) {
    ConverterLink link;
    FoundConverter converter;
    std::string failure;
    const int found = FindConverter(port, link, converter, &failure);
    if (found != exitOk) {
        line = (port.empty() ? std::string("(scan)") : port) + ": FAILED: " + failure;
        return found;
    }
    const std::string name = PortDisplayName(converter.device);
    FormState form = converter.form;
    if (input.isJson) {
        std::string error;
        (void)ApplySettingsJson(form, input.json, serialFromFile, error); // checked when loaded
    } else {
        OpenConfigFile(form, input.file);
        if (serialFromFile) form.serialNumber = FileContent(input.file, input.bytes).serialNumber;
    }
    const std::string serial = Utf8(form.serialNumber);
    BuildResult built = BuildImage(form);
    if (!built.ok) {
        line = name + ": FAILED: " +
               (built.failure.step == 0 ? std::string("no main function selected")
                                        : "refused: " + Utf8(built.failure.message));
        return exitCheckRefused;
    }
    const platform::PortResult written =
        link.write(built.image.bytes.data(), static_cast<std::uint32_t>(built.image.length));
    if (!written.ok() || written.count != static_cast<std::uint32_t>(built.image.length)) {
        line = name + ": FAILED: " +
               Utf8(written.ok() ? BytesWrittenText(static_cast<std::int32_t>(written.count))
                                 : SerialWriteFailedText(static_cast<std::int32_t>(written.error)));
        return exitExchangeFailed;
    }
    line = name + ": OK: serial " + serial + ", " + MainFunctionName(*form.function) + ", " +
           Utf8(BytesWrittenText(static_cast<std::int32_t>(written.count)));
    return exitOk;
}

} // namespace

int RunSend(const SendOptions& options) {
    SettingsInput input;
    const int loaded = loadInput(options.input, input);
    if (loaded != exitOk) return loaded;
    std::vector<std::string> ports = options.ports;
    if (ports.empty()) ports.emplace_back(); // the first converter a scan finds
    int lastFailure = exitOk;
    std::size_t configured = 0;
    for (const std::string& port : ports) {
        std::string line;
        const int code = sendTo(port, input, options.serialFromFile, line);
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
        if (code == exitOk)
            ++configured;
        else
            lastFailure = code;
    }
    std::printf("%zu of %zu converter(s) configured\n", configured, ports.size());
    if (configured == ports.size()) return exitOk;
    return ports.size() == 1 ? lastFailure : exitBatchFailed;
}

} // namespace zor::cli
