// Recognising the converter's reply to the query "~ZOR0" in the receive buffer: which tag was found,
// where, and what the status line says about it. The tags and how far into the buffer each may stand
// are facts of the image layouts; the decoding of the image that follows the tag is theirs too.
#pragma once

#include "image/image_layout.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zor {

inline constexpr char queryText[] = "~ZOR0";
inline constexpr std::int32_t queryLength = tagLength;
// The converter answers the query within this many milliseconds; the reply is read after it.
inline constexpr std::uint32_t replyWaitMs = 200;

struct TagSearch {
    std::optional<MainFunction> function; // whose tag was found; none without a tag
    std::int32_t position = -1;           // of the tag's first byte
};

// Searches the first count bytes as a zero-terminated string for the tags of the main functions, in
// their order ("~ZOR1", then "~ZOR2", then "~ZOR3"); the first tag of that order counts wherever it
// stands. The search ends at the first zero byte, at count, and at the end of the receive buffer,
// whichever comes first.
TagSearch FindReplyTag(const std::uint8_t* buffer, std::int32_t count);

enum class Detection {
    NotDetected, // no tag: the scan, when on, goes on with the next port
    Overflow,    // a tag beyond its LastTagPosition: nothing applied, the scan flag unchanged
    Detected,    // a tag whose image fits: the scan stops and the image is decoded
};

struct DetectionResult {
    Detection detection = Detection::NotDetected;
    TagSearch found;
    std::u16string status; // the status line after recognition ("count bytes read" when detected)
};

// count is the number of bytes the one read returned.
DetectionResult DetectConverter(const std::uint8_t* buffer, std::int32_t count);

} // namespace zor
