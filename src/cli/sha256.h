// The SHA-256 of a file's bytes, so that a batch report says exactly which settings a converter got.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zor::cli {

// 64 lower-case hexadecimal digits; empty if the system could not compute it.
std::string Sha256Hex(const std::vector<std::uint8_t>& bytes);

} // namespace zor::cli
