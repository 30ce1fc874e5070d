// Bytes from files and from the port become wide text one byte per character: each byte value is the
// character of the same value, whatever the locale, so a catalogue line or a received sentence reads
// the same on every machine.
#pragma once

#include <cstddef>
#include <string>

namespace zor {

inline std::u16string WidenBytes(const char* bytes, std::size_t length) {
    std::u16string text;
    text.reserve(length);
    for (std::size_t i = 0; i < length; ++i)
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i])));
    return text;
}

} // namespace zor
