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

// A converter's reply to the query, from its tag on.
std::vector<std::uint8_t> ReplyImage(const QueryResult& reply);

// The converter's settings with the file opened onto them; serialFromFile takes the file's serial number
// instead of the converter's own.
FormModel WithFile(const FoundConverter& converter, const SettingsInput& input, bool serialFromFile);

// How the converter differs from what a send of the file would give it. When the image cannot be built,
// built is false and refusal says why; a file of another main function gives the one difference
// mainFunction, named by the window's names of the functions.
struct FileDifferences {
    bool built = true;
    std::string refusal;
    std::vector<FieldDifference> differences; // sent: the file's value; readBack: the converter's
};
FileDifferences DifferencesFromFile(const FoundConverter& converter, const SettingsInput& input,
                                    bool serialFromFile, Compared how);

} // namespace zor::cli
