#include "cli/sha256.h"

#include <windows.h>

#include <bcrypt.h>

namespace zor::cli {

std::string Sha256Hex(const std::vector<std::uint8_t>& bytes) {
    std::uint8_t digest[32];
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    if (BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0) < 0) return "";
    BCRYPT_HASH_HANDLE hash = nullptr;
    bool done = BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0) >= 0;
    if (done)
        done = BCryptHashData(hash, const_cast<PUCHAR>(bytes.data()), static_cast<ULONG>(bytes.size()), 0) >=
                   0 &&
               BCryptFinishHash(hash, digest, sizeof digest, 0) >= 0;
    if (hash != nullptr) BCryptDestroyHash(hash);
    BCryptCloseAlgorithmProvider(algorithm, 0);
    if (!done) return "";
    static const char hex[] = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t b : digest) {
        text.push_back(hex[b >> 4]);
        text.push_back(hex[b & 15]);
    }
    return text;
}

} // namespace zor::cli
