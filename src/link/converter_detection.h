// Recognising the converter's reply to the query "~ZOR0" in the receive buffer: which tag was found,
// where, and what the status line says about it. The decoding of the image that follows the tag is
// done by the image subsystem.
#pragma once

#include <cstdint>
#include <string>

namespace zor {

inline constexpr std::int32_t receiveBufferSize = 8192;
// Every tag: "~ZOR" and one character.
inline constexpr std::int32_t tagLength = 5;
inline constexpr char queryText[] = "~ZOR0";
inline constexpr std::int32_t queryLength = tagLength;
// The converter answers the query within this many milliseconds; the reply is read after it.
inline constexpr std::uint32_t replyWaitMs = 200;

enum class ReplyTag { None, Zor1, Zor2, Zor3 };

struct TagSearch {
    ReplyTag tag = ReplyTag::None;
    std::int32_t position = -1; // of the tag's first byte
};

// Searches the first count bytes as a zero-terminated string, for "~ZOR1", then "~ZOR2", then "~ZOR3";
// the first tag of that order counts wherever it stands. The search ends at the first zero byte, at
// count, and at the end of the receive buffer, whichever comes first.
TagSearch FindReplyTag(const std::uint8_t* buffer, std::int32_t count);

// The last tag positions whose image still fits the receive buffer. "~ZOR1" is refused beyond 7792
// (its 326 bytes fit with room to spare); "~ZOR2" beyond the position where its 87-byte reply would
// run past the end, "~ZOR3" likewise for its 18 bytes.
inline constexpr std::int32_t lastNmeaTagPosition = 7792;
inline constexpr std::int32_t lastModbusTagPosition = receiveBufferSize - 87;
inline constexpr std::int32_t lastSerialTagPosition = receiveBufferSize - 18;

bool TagTooFarIntoBuffer(const TagSearch& found);

enum class Detection {
    NotDetected, // no tag: the scan, when on, goes on with the next port
    Overflow,    // a tag too far into the buffer: nothing applied, the scan flag unchanged
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
