// Any bytes as the settings text `build` and `send` take: parsing, taking the values into the form and
// building the image must end in settings or a message, never in a crash, an exception or a read past
// a buffer.
#include "cli/settings_json.h"
#include "form/settings_record.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const nlohmann::json json = nlohmann::json::parse(data, data + size, nullptr, false);
    if (json.is_discarded()) return 0;
    zor::FormModel form;
    std::string error;
    if (!zor::cli::ApplySettingsJson(form, json, true, error)) {
        if (error.empty()) __builtin_trap();
        return 0;
    }
    (void)zor::BuildImage(form);
    (void)zor::cli::SettingsToJson(form).dump();
    return 0;
}
