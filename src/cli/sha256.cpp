#include "cli/sha256.h"

#include "platform/digest.h"

namespace zor::cli {

std::string Sha256Hex(const std::vector<std::uint8_t>& bytes) {
    const std::optional<platform::Sha256Digest> digest = platform::sha256(bytes);
    if (!digest) return "";
    static const char hex[] = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t b : *digest) {
        text.push_back(hex[b >> 4]);
        text.push_back(hex[b & 15]);
    }
    return text;
}

} // namespace zor::cli
