// A settings file in the current directory for one test, removed before and after. It is named with a
// path so that the system's profile service does not look for it in the Windows directory.
#pragma once

#include "platform/profile.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace zor::testing {

struct SettingsFile {
    std::string name;
    std::u16string path;

    explicit SettingsFile(const std::string& file) : name(file) {
#ifdef _WIN32
        path = u".\\";
#else
        path = u"./";
#endif
        path.append(file.begin(), file.end());
        std::remove(name.c_str());
    }
    ~SettingsFile() {
        std::remove(name.c_str());
    }
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    void write(const std::string& text) const {
        std::ofstream(name, std::ios::binary) << text;
    }
    std::string text() const {
        std::ifstream in(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // The file's lines without their line ends.
    std::vector<std::string> lines() const {
        std::ifstream in(name, std::ios::binary);
        std::vector<std::string> result;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            result.push_back(line);
        }
        return result;
    }
    std::int32_t read(const char16_t* section, const char16_t* key, std::int32_t fallback = -99) const {
        return platform::profileReadInt(path.c_str(), section, key, fallback);
    }
};

} // namespace zor::testing
