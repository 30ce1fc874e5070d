// A settings text (JSON) as read from a file: a UTF-8 byte-order mark in front (Notepad writes one) is
// skipped, and a value named twice in one object is refused rather than the last one silently taken.
#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace zor::cli {

// Whether the bytes, after a byte-order mark, open a JSON object.
bool IsSettingsText(const std::vector<std::uint8_t>& bytes);

// The text parsed into json; false with what is wrong (invalid JSON, a key given twice) in error.
bool ParseSettingsText(const std::vector<std::uint8_t>& bytes, nlohmann::json& json, std::string& error);

// As ParseSettingsText, for the file at path: exitOk, or exitNotSettings with the message printed.
int ReadSettingsText(const std::string& path, const std::vector<std::uint8_t>& bytes, nlohmann::json& json);

} // namespace zor::cli
