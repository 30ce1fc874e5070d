#include "cli/settings_input.h"

#include "cli/built_settings.h"
#include "cli/exit_codes.h"
#include "cli/settings_description.h"
#include "cli/settings_json.h"
#include "cli/settings_text.h"
#include "cli/sha256.h"
#include "form/settings_record.h"
#include "image/settings_keys.h"

namespace zor::cli {

int LoadSettingsInput(const std::string& path, SettingsInput& input) {
    const int loaded = LoadFile(path, largestSettingsText, input.bytes);
    if (loaded != exitOk) return loaded;
    input.sha256 = Sha256Hex(input.bytes);
    input.isJson = IsSettingsText(input.bytes);
    if (input.isJson) {
        if (input.bytes.size() > largestSettingsText) {
            PrintError(path + " is not a settings file: over " + std::to_string(largestSettingsText) +
                       " bytes");
            return exitNotSettings;
        }
        const int parsed = ReadSettingsText(path, input.bytes, input.json);
        if (parsed != exitOk) return parsed;
        FormModel scratch;
        std::string error;
        // A value refused may be one the converter's own decimals decide: that is said for each converter.
        if (ApplySettingsJson(scratch, input.json, false, error) == exitNotSettings) {
            PrintError(path + ": " + error);
            return exitNotSettings;
        }
        return exitOk;
    }
    const int recognised = RecogniseConfigBytes(path, input.bytes, input.file);
    return recognised != exitOk ? recognised : RefuseUnsendableFile(path, input.file);
}

void SayFileSerialLeftOut(const std::string& path, const SettingsInput& input, bool serialFromFile,
                          const char* verb) {
    if (!input.isJson || serialFromFile || !input.json.contains(key::serialNumber)) return;
    PrintError(path + ": " + key::serialNumber + " " + input.json[key::serialNumber].dump() + " is not " +
               verb + ": each converter keeps its own (--serial-from-file sends the file's)");
}

std::vector<std::uint8_t> ReplyImage(const QueryResult& reply) {
    const auto at = static_cast<std::size_t>(reply.outcome.found.position);
    return std::vector<std::uint8_t>(reply.bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                     reply.bytes.end());
}

FormModel WithFile(const FoundConverter& converter, const SettingsInput& input, bool serialFromFile,
                   std::string& refusal) {
    FormModel form = converter.form;
    refusal.clear();
    if (input.isJson) {
        std::string error;
        if (ApplySettingsJson(form, input.json, serialFromFile, error) != exitOk) refusal = error;
    } else {
        ApplyReply(form, input.file, ReplyOrigin::File);
        if (serialFromFile) form.serialNumber = FileContent(input.file).serialNumber;
    }
    return form;
}

FileDifferences DifferencesFromFile(const FoundConverter& converter, const SettingsInput& input,
                                    bool serialFromFile, Compared how) {
    std::string refusal;
    FormModel form = WithFile(converter, input, serialFromFile, refusal);
    if (!refusal.empty()) return {false, refusal, {}};
    const std::optional<MainFunction> held = converter.form.mainFunction;
    if (form.mainFunction != held) {
        // Another layout: no field of one compares with a field of the other.
        const auto name = [](const std::optional<MainFunction>& function) {
            return function ? std::string("\"") + MainFunctionName(*function) + "\"" : std::string("none");
        };
        return {true, "", {{key::mainFunction, name(form.mainFunction), name(held)}}};
    }
    const BuildResult built = BuildImage(form);
    if (!built.ok) return {false, BuildRefusal(built), {}};
    const std::vector<std::uint8_t> image(built.image.bytes.begin(),
                                          built.image.bytes.begin() + built.image.length);
    std::vector<FieldDifference> differences = CompareSettings(image, ReplyImage(converter.reply), how);
    if (how == Compared::Values)
        for (const FieldDifference& own : SendRewrites(converter))
            for (FieldDifference& d : differences)
                d.sendRewrites = d.sendRewrites || (d.field == own.field && d.sent == own.sent);
    return {true, "", differences};
}

std::vector<FieldDifference> SendRewrites(const FoundConverter& converter) {
    FormModel own = converter.form;
    const BuildResult built = BuildImage(own);
    if (!built.ok) return {};
    const std::vector<std::uint8_t> image(built.image.bytes.begin(),
                                          built.image.bytes.begin() + built.image.length);
    return CompareSettings(image, ReplyImage(converter.reply), Compared::Values);
}

} // namespace zor::cli
