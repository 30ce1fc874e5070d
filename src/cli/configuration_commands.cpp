// scan, read, show and build.
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/port_batch.h"
#include "cli/session.h"
#include "cli/settings_json.h"
#include "cli/text.h"
#include "image/config_file.h"
#include "link/converter_detection.h"
#include "link/detection_status.h"
#include "platform/port_list.h"

#include <cstdio>

namespace zor::cli {
namespace {

void printSettings(const FormState& form, bool json) {
    if (json)
        std::fputs((SettingsToJson(form).dump(2) + "\n").c_str(), stdout);
    else
        std::fputs(Describe(form).c_str(), stdout);
}

// The image "Send Settings" would write for the form, saved as "Save Config" saves it.
int saveForm(FormState& form, const std::string& path) {
    const BuildResult built = BuildImage(form);
    if (!built.ok) {
        PrintError(built.failure.step == 0 ? std::string("no main function selected")
                                           : "refused: " + Utf8(built.failure.message));
        return exitCheckRefused;
    }
    const int saved = SaveImage(path, built.image.bytes.data(), built.image.length);
    if (saved == exitOk)
        std::fprintf(stderr, "%s: %s\n", path.c_str(), Utf8(BytesWrittenText(built.image.length)).c_str());
    return saved;
}

} // namespace

int RunScan(const ScanOptions& options) {
    std::vector<std::string> devices = platform::listSerialPorts();
    for (const std::string& port : options.ports)
        devices.push_back(PortDeviceName(port));
    int found = 0;
    for (const std::string& device : devices) {
        ConverterLink link;
        std::string message;
        if (!link.open(device, message))
            continue; // as the window's scan: a port that does not open is skipped
        FoundConverter converter;
        converter.device = device;
        converter.reply = link.query();
        if (ReplyProblem(device, converter.reply, message) != exitOk) continue;
        ReadReply(converter.form, converter.reply.outcome);
        std::printf("%s\n", ConverterLine(converter).c_str());
        std::fflush(stdout);
        ++found;
    }
    if (found == 0) {
        PrintError("no converter answered on " + std::to_string(devices.size()) + " port(s)");
        return exitNoConverter;
    }
    return exitOk;
}

int RunRead(const ReadOptions& options) {
    if (!options.output.empty() && options.ports.size() > 1) {
        PrintError("-o saves one converter's settings: give one --port");
        return exitUsage;
    }
    const bool several = options.ports.size() > 1;
    return ServePorts(options.ports,
                      [&](const std::string& port) -> PortOutcome {
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
                                                         : "Port: " + ConverterLine(converter) + "\n" +
                                                               Describe(converter.form);
                          if (!options.output.empty()) {
                              std::fputs(out.c_str(), stdout);
                              out.clear();
                              const int saved = saveForm(converter.form, options.output);
                              if (saved != exitOk) return {saved, "", "not saved"};
                          }
                          return {exitOk, out, ""};
                      },
                      {"read"});
}

int RunShow(const ShowOptions& options) {
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
    printSettings(FileContent(file, bytes), options.json);
    return exitOk;
}

int RunBuild(const BuildOptions& options) {
    std::vector<std::uint8_t> bytes;
    const int loaded = LoadFile(options.input, largestSettingsText, bytes);
    if (loaded != exitOk) return loaded;
    if (bytes.size() > largestSettingsText || !StartsLikeJson(bytes)) {
        PrintError(options.input + " is not a settings text (JSON)");
        return exitNotSettings;
    }
    const nlohmann::json json = nlohmann::json::parse(bytes.begin(), bytes.end(), nullptr, false);
    if (json.is_discarded()) {
        PrintError(options.input + " is not valid JSON");
        return exitNotSettings;
    }
    FormState form;
    std::string error;
    if (!ApplySettingsJson(form, json, true, error)) {
        PrintError(options.input + ": " + error);
        return exitNotSettings;
    }
    if (!form.function) {
        PrintError(options.input + ": mainFunction is missing");
        return exitNotSettings;
    }
    return saveForm(form, options.output);
}

} // namespace zor::cli
