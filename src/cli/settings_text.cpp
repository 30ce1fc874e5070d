#include "cli/settings_text.h"

#include "cli/exit_codes.h"
#include "cli/session.h"

#include <set>

namespace zor::cli {
namespace {

constexpr std::uint8_t byteOrderMark[] = {0xEF, 0xBB, 0xBF};

std::size_t textStart(const std::vector<std::uint8_t>& bytes) {
    const bool marked = bytes.size() >= 3 && std::equal(byteOrderMark, byteOrderMark + 3, bytes.begin());
    return marked ? 3 : 0;
}

// The parser's reason, asked again with its exceptions on: a number beyond a double is out of range,
// anything else not valid JSON, with where the parser stopped.
std::string whyNotJson(const std::vector<std::uint8_t>& bytes) {
    try {
        const nlohmann::json parsed =
            nlohmann::json::parse(bytes.begin() + static_cast<std::ptrdiff_t>(textStart(bytes)), bytes.end());
        (void)parsed;
    } catch (const nlohmann::json::out_of_range& e) {
        const std::string what = e.what();
        const auto quote = what.find('\'');
        return "a number is out of range" +
               (quote == std::string::npos ? std::string()
                                           : ": " + what.substr(quote + 1, what.rfind('\'') - quote - 1));
    } catch (const nlohmann::json::parse_error& e) {
        return "not valid JSON (at byte " + std::to_string(e.byte) + ")";
    } catch (const nlohmann::json::exception&) {
        return "not valid JSON";
    }
    return "not valid JSON";
}

} // namespace

bool IsSettingsText(const std::vector<std::uint8_t>& bytes) {
    return StartsLikeJson(std::vector<std::uint8_t>(
        bytes.begin() + static_cast<std::ptrdiff_t>(textStart(bytes)), bytes.end()));
}

bool ParseSettingsText(const std::vector<std::uint8_t>& bytes, nlohmann::json& json, std::string& error) {
    // The keys met so far in each object open around the parser.
    std::vector<std::set<std::string>> keysOfObject;
    std::string twice;
    const nlohmann::json::parser_callback_t each = [&](int, nlohmann::json::parse_event_t event,
                                                       nlohmann::json& parsed) {
        using Event = nlohmann::json::parse_event_t;
        if (event == Event::object_start) keysOfObject.emplace_back();
        if (event == Event::object_end && !keysOfObject.empty()) keysOfObject.pop_back();
        if (event == Event::key && !keysOfObject.empty() && twice.empty() &&
            !keysOfObject.back().insert(parsed.get<std::string>()).second)
            twice = parsed.get<std::string>();
        return true;
    };
    json = nlohmann::json::parse(bytes.begin() + static_cast<std::ptrdiff_t>(textStart(bytes)), bytes.end(),
                                 each, false);
    if (json.is_discarded()) {
        error = whyNotJson(bytes);
        return false;
    }
    if (!twice.empty()) {
        error = "\"" + twice + "\" is given twice in one object; give each value once";
        return false;
    }
    return true;
}

int ReadSettingsText(const std::string& path, const std::vector<std::uint8_t>& bytes, nlohmann::json& json) {
    std::string error;
    if (ParseSettingsText(bytes, json, error)) return exitOk;
    PrintError(path + ": " + error);
    return exitNotSettings;
}

} // namespace zor::cli
