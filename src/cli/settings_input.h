// The settings file that send and diff take (a configuration file or a settings text, JSON), read once,
// and what it gives a converter: the converter's settings with the file opened onto them, as the window
// has them before "Send Settings", and how what the converter holds differs from that.
#pragma once

#include "cli/session.h"
#include "cli/settings_compare.h"
#include "form/form_model.h"
#include "image/image_build.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace zor::cli {

struct SettingsInput {
    bool isJson = false;
    nlohmann::json json;
    std::vector<std::uint8_t> bytes;
    ReplyOutcome file;
    std::string sha256; // of the whole file
};

// Reads and checks the file: exitOk, or the exit code with a message printed.
int LoadSettingsInput(const std::string& path, SettingsInput& input);

// A settings text that names a serialNumber used without --serial-from-file: said on standard error
// (each converter keeps its own), not silently ignored. verb: "sent", "compared".
void SayFileSerialLeftOut(const std::string& path, const SettingsInput& input, bool serialFromFile,
                          const char* verb);

// A converter's reply to the query, from its tag on.
std::vector<std::uint8_t> ReplyImage(const QueryResult& reply);

// The converter's settings with the file opened onto them; serialFromFile takes the file's serial number
// instead of the converter's own. refusal says a value of a settings text the window would refuse over
// these settings, in its words; empty when none is.
FormModel WithFile(const FoundConverter& converter, const SettingsInput& input, bool serialFromFile,
                   std::string& refusal);

// How the converter differs from what a send of the file would give it. When the image cannot be built,
// built is false and refusal says why; a file of another main function gives the one difference
// mainFunction, named by the window's names of the functions.
struct FileDifferences {
    bool built = true;
    std::string refusal;
    std::vector<FieldDifference> differences; // sent: the file's value; readBack: the converter's
};
// How the image "Send Settings" would write of the converter's own settings differs from what it holds.
std::vector<FieldDifference> SendRewrites(const FoundConverter& converter);

FileDifferences DifferencesFromFile(const FoundConverter& converter, const SettingsInput& input,
                                    bool serialFromFile, Compared how);

} // namespace zor::cli
