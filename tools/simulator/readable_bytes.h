// Bytes on the line in a form a person can read: printable ASCII as it is, the rest as \xHH, CR and
// LF as \r and \n.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zor::sim {

// At most limit bytes are shown; the rest is counted ("... 120 more").
std::string ReadableBytes(const std::uint8_t* bytes, std::size_t count, std::size_t limit = 400);

} // namespace zor::sim
