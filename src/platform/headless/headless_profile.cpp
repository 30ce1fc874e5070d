// Private-profile settings over real files, for platforms without the Windows profile service.
//
// The file is UTF-8 text (a leading byte-order mark is skipped); lines end in LF or CRLF, and a
// rewritten file keeps the line ending of its first line. "[section]" starts a section, "key=value"
// sets a key; blanks around names and values are ignored, names compare without regard to ASCII case,
// the first occurrence of a section or key wins, and any other line is kept but not read. A file name
// is used as given, relative to the current directory. Writes go to a temporary file beside the
// target that then replaces it, so a failed write leaves the old file whole.
#include "platform/profile.h"
#include "platform/utf8_text.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>

#include <string>
#include <vector>

namespace zor::platform {
namespace {

std::string utf8(const char16_t* text) {
    return text != nullptr ? Utf8FromUtf16(text) : std::string();
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string trimmed(const std::string& text, std::size_t from, std::size_t to) {
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    return text.substr(from, to - from);
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

struct IniFile {
    bool exists = false;
    bool crlf = false;
    std::vector<std::string> lines;
};

bool readIni(const std::string& name, IniFile& file) {
    std::ifstream in(name, std::ios::binary);
    if (!in) return false;
    file.exists = true;
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        const bool hadCr = !line.empty() && line.back() == '\r';
        if (hadCr) line.pop_back();
        if (first) {
            file.crlf = hadCr;
            if (line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
            first = false;
        }
        file.lines.push_back(line);
    }
    return !in.bad();
}

// "[name]" gives name; any other line gives false.
bool sectionName(const std::string& line, std::string& name) {
    const std::string text = trimmed(line, 0, line.size());
    if (text.empty() || text.front() != '[') return false;
    const std::size_t close = text.find(']');
    name = trimmed(text, 1, close == std::string::npos ? text.size() : close);
    return true;
}

bool keyLine(const std::string& line, std::string& key, std::string& value) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) return false;
    key = trimmed(line, 0, equals);
    value = trimmed(line, equals + 1, line.size());
    return !key.empty();
}

// Index of the section's header line, or -1.
std::ptrdiff_t findSection(const IniFile& file, const std::string& section) {
    std::string name;
    for (std::size_t i = 0; i < file.lines.size(); ++i)
        if (sectionName(file.lines[i], name) && sameName(name, section))
            return static_cast<std::ptrdiff_t>(i);
    return -1;
}

std::int32_t leadingDecimal(const std::string& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == '-' || value[i] == '+')) negative = value[i++] == '-';
    std::int64_t magnitude = 0;
    constexpr std::int64_t limit = static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (value[i] - '0');
        if (magnitude > limit) magnitude = limit;
    }
    if (negative) return static_cast<std::int32_t>(-magnitude);
    return static_cast<std::int32_t>(magnitude == limit ? limit - 1 : magnitude);
}

} // namespace

std::int32_t profileReadInt(const char16_t* file, const char16_t* section, const char16_t* key,
                            std::int32_t defaultValue) {
    IniFile ini;
    if (file == nullptr || !readIni(utf8(file), ini)) return defaultValue;
    const std::ptrdiff_t header = findSection(ini, utf8(section));
    if (header < 0) return defaultValue;
    const std::string wanted = utf8(key);
    std::string name;
    std::string value;
    for (std::size_t i = static_cast<std::size_t>(header) + 1; i < ini.lines.size(); ++i) {
        if (sectionName(ini.lines[i], name)) break;
        if (keyLine(ini.lines[i], name, value) && sameName(name, wanted))
            return value.empty() ? defaultValue : leadingDecimal(value);
    }
    return defaultValue;
}

bool profileWriteString(const char16_t* file, const char16_t* section, const char16_t* key,
                        const char16_t* value) {
    if (file == nullptr || section == nullptr || key == nullptr || value == nullptr) return false;
    const std::string path = utf8(file);
    IniFile ini;
    if (!readIni(path, ini)) {
        // A file that is there but cannot be read is left alone rather than replaced.
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::path(path), error) || error) return false;
        ini = IniFile{};
    }
    const std::string sectionText = utf8(section);
    const std::string keyText = utf8(key);
    const std::string entry = keyText + "=" + utf8(value);

    const std::ptrdiff_t header = findSection(ini, sectionText);
    if (header < 0) {
        ini.lines.push_back("[" + sectionText + "]");
        ini.lines.push_back(entry);
    } else {
        std::size_t insertAt = static_cast<std::size_t>(header) + 1;
        bool replaced = false;
        std::string name;
        std::string current;
        for (std::size_t i = static_cast<std::size_t>(header) + 1; i < ini.lines.size(); ++i) {
            if (sectionName(ini.lines[i], name)) break;
            if (keyLine(ini.lines[i], name, current) && sameName(name, keyText)) {
                ini.lines[i] = entry;
                replaced = true;
                break;
            }
            if (!trimmed(ini.lines[i], 0, ini.lines[i].size()).empty()) insertAt = i + 1;
        }
        if (!replaced) ini.lines.insert(ini.lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    }

    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        const char* end = ini.crlf ? "\r\n" : "\n";
        for (const std::string& line : ini.lines)
            out << line << end;
        out.flush();
        if (!out) {
            out.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace zor::platform
