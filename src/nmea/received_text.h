// Finding sentences in the part of the receive buffer that one read filled (ReceivedLength).
#pragma once

#include "link/received_length.h"

#include <cstdint>

namespace zor {

// A sentence starts with "$", or with "!" for the encapsulated ones (AIS "!AIVDM"); neither character
// stands inside a sentence.
inline bool StartsSentence(char c) {
    return c == '$' || c == '!';
}

// The index of the first sentence start at or after from, or -1.
inline std::int32_t FindSentenceStart(const char* data, std::int32_t length, std::int32_t from) {
    for (std::int32_t i = from; i < length; ++i)
        if (StartsSentence(data[i])) return i;
    return -1;
}

// A sentence needs its "$" and five identifier characters before it is looked at.
inline constexpr std::int32_t sentenceHeadLength = 6;

} // namespace zor
