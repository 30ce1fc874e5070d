// The SHA-256 of some bytes, from the system's own library: nettle on Linux, the Windows cryptography
// API (bcrypt) on Windows. Only zor-config's batch report uses it, so each backend's file is compiled
// into zor-config alone.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace zor::platform {

using Sha256Digest = std::array<std::uint8_t, 32>;

// Nothing when the system could not compute it.
std::optional<Sha256Digest> sha256(const std::vector<std::uint8_t>& bytes);

} // namespace zor::platform
