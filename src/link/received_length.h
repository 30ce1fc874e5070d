// The part of the receive buffer that one read filled. The buffer is zeroed before every query and
// searched as a zero-terminated string, so the data end at the first zero byte or at the byte count,
// whichever comes first.
#pragma once

#include <cstdint>

namespace zor {

inline std::int32_t ReceivedLength(const std::uint8_t* buffer, std::int32_t received) {
    if (buffer == nullptr || received <= 0) return 0;
    std::int32_t length = 0;
    while (length < received && buffer[length] != 0)
        ++length;
    return length;
}

inline std::int32_t ReceivedLength(const char* buffer, std::int32_t received) {
    return ReceivedLength(reinterpret_cast<const std::uint8_t*>(buffer), received);
}

} // namespace zor
