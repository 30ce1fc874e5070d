#include "readable_bytes.h"

namespace zor::sim {

std::string ReadableBytes(const std::uint8_t* bytes, std::size_t count, std::size_t limit) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string text;
    const std::size_t shown = count < limit ? count : limit;
    for (std::size_t i = 0; i < shown; ++i) {
        const std::uint8_t b = bytes[i];
        if (b == '\r') {
            text += "\\r";
        } else if (b == '\n') {
            text += "\\n";
        } else if (b == '\\') {
            text += "\\\\";
        } else if (b >= 0x20 && b < 0x7F) {
            text += static_cast<char>(b);
        } else {
            text += "\\x";
            text += hex[b >> 4];
            text += hex[b & 0xF];
        }
    }
    if (shown < count) text += " ... " + std::to_string(count - shown) + " more";
    return text;
}

} // namespace zor::sim
