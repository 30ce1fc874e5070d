// Any bytes as the settings text `build` and `send` take: parsing, taking the values into the form and
// building the image must end in settings or a message, never in a crash, an exception or a read past
// a buffer.
#include "cli/exit_codes.h"
#include "cli/settings_json.h"
#include "cli/settings_text.h"
#include "form/settings_record.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    nlohmann::json json;
    std::string refused;
    if (!zor::cli::ParseSettingsText(std::vector<std::uint8_t>(data, data + size), json, refused)) {
        if (refused.empty()) __builtin_trap();
        return 0;
    }
    for (const zor::MainFunction function : zor::allMainFunctions)
        (void)zor::cli::MissingForFunction(json, function);
    zor::FormModel form;
    std::string error;
    if (zor::cli::ApplySettingsJson(form, json, true, error) != zor::cli::exitOk) {
        if (error.empty()) __builtin_trap();
        return 0;
    }
    (void)zor::BuildImage(form);
    (void)zor::cli::SettingsToJson(form).dump();
    return 0;
}
