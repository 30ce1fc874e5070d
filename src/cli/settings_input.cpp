#include "cli/settings_input.h"

#include "cli/built_settings.h"
#include "cli/exit_codes.h"
#include "cli/settings_description.h"
#include "cli/settings_json.h"
#include "cli/settings_text.h"
#include "cli/sha256.h"
#include "form/settings_record.h"

namespace zor::cli {

int LoadSettingsInput(const std::string& path, SettingsInput& input) {
    const int loaded = LoadFile(path, largestSettingsText, input.bytes);
    if (loaded != exitOk) return loaded;
    input.sha256 = Sha256Hex(input.bytes);
    input.isJson = IsSettingsText(input.bytes);
    if (input.isJson) {
        if (input.bytes.size() > largestSettingsText) {
            PrintError(path + " is not valid JSON");
            return exitNotSettings;
        }
        const int parsed = ReadSettingsText(path, input.bytes, input.json);
        if (parsed != exitOk) return parsed;
        FormModel scratch;
        std::string error;
        if (!ApplySettingsJson(scratch, input.json, false, error)) {
            PrintError(path + ": " + error);
            return exitNotSettings;
        }
        return exitOk;
    }
    const int recognised = RecogniseConfigBytes(path, input.bytes, input.file);
    return recognised != exitOk ? recognised : RefuseUnsendableFile(path, input.file, input.bytes);
}

std::vector<std::uint8_t> ReplyImage(const QueryResult& reply) {
    const auto at = static_cast<std::size_t>(reply.outcome.found.position);
    return std::vector<std::uint8_t>(reply.bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                     reply.bytes.end());
}

FormModel WithFile(const FoundConverter& converter, const SettingsInput& input, bool serialFromFile) {
    FormModel form = converter.form;
    if (input.isJson) {
        std::string error;
        (void)ApplySettingsJson(form, input.json, serialFromFile, error); // checked when loaded
    } else {
        ApplyReply(form, input.file, ReplyOrigin::File);
        if (serialFromFile) form.serialNumber = FileContent(input.file, input.bytes).serialNumber;
    }
    return form;
}

FileDifferences DifferencesFromFile(const FoundConverter& converter, const SettingsInput& input,
                                    bool serialFromFile, Compared how) {
    FormModel form = WithFile(converter, input, serialFromFile);
    const std::optional<MainFunction> held = converter.form.mainFunction;
    if (form.mainFunction != held) {
        // Another layout: no field of one compares with a field of the other.
        const auto name = [](const std::optional<MainFunction>& function) {
            return function ? std::string("\"") + MainFunctionName(*function) + "\"" : std::string("none");
        };
        return {true, "", {{"mainFunction", name(form.mainFunction), name(held)}}};
    }
    const BuildResult built = BuildImage(form);
    if (!built.ok) return {false, BuildRefusal(built), {}};
    const std::vector<std::uint8_t> image(built.image.bytes.begin(),
                                          built.image.bytes.begin() + built.image.length);
    return {true, "", CompareSettings(image, ReplyImage(converter.reply), how)};
}

} // namespace zor::cli
