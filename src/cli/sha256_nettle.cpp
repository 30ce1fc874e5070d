#include "cli/sha256.h"

#include <nettle/sha2.h>

namespace zor::cli {

std::string Sha256Hex(const std::vector<std::uint8_t>& bytes) {
    sha256_ctx context;
    sha256_init(&context);
    sha256_update(&context, bytes.size(), bytes.data());
    std::uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_digest(&context, sizeof digest, digest);
    static const char hex[] = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t b : digest) {
        text.push_back(hex[b >> 4]);
        text.push_back(hex[b & 15]);
    }
    return text;
}

} // namespace zor::cli
