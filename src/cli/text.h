// Texts between the core (16-bit characters, one byte per character on the converter's line) and the
// terminal and JSON files (UTF-8).
#pragma once

#include <optional>
#include <string>

namespace zor::cli {

// UTF-8 of 16-bit text; surrogate pairs are joined, a lone surrogate becomes U+FFFD.
std::string Utf8(const std::u16string& text);
// 16-bit text of UTF-8; code points beyond U+FFFF become surrogate pairs. None when not UTF-8.
std::optional<std::u16string> FromUtf8(const std::string& text);
// The converter's 8-bit text (firmware version) as UTF-8, each byte its own character.
std::string Latin1ToUtf8(const std::string& bytes);
// UTF-8 of an exit message or status text of the core.
inline std::string Utf8(const char16_t* text) {
    return Utf8(std::u16string(text != nullptr ? text : u""));
}

} // namespace zor::cli
