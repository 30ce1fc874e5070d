#include "platform/digest.h"

#include <nettle/sha2.h>

namespace zor::platform {

std::optional<Sha256Digest> sha256(const std::vector<std::uint8_t>& bytes) {
    sha256_ctx context;
    sha256_init(&context);
    sha256_update(&context, bytes.size(), bytes.data());
    Sha256Digest digest{};
    sha256_digest(&context, digest.size(), digest.data());
    return digest;
}

} // namespace zor::platform
