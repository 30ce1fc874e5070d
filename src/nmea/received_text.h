// The part of the receive buffer that one read filled. The buffer is zeroed before every read and
// searched as a zero-terminated string, so the data ends at the first zero byte or at the byte count.
#pragma once

#include <cstdint>

namespace zor {

inline std::int32_t ReceivedLength(const char* buffer, std::int32_t received) {
    if (buffer == nullptr || received <= 0) return 0;
    std::int32_t length = 0;
    while (length < received && buffer[length] != 0)
        ++length;
    return length;
}

// The index of the first "$" at or after from, or -1.
inline std::int32_t FindSentenceStart(const char* data, std::int32_t length, std::int32_t from) {
    for (std::int32_t i = from; i < length; ++i)
        if (data[i] == '$') return i;
    return -1;
}

// A sentence needs its "$" and five identifier characters before it is looked at.
inline constexpr std::int32_t sentenceHeadLength = 6;

} // namespace zor
