#include "link/converter_detection.h"

#include "link/detection_status.h"
#include "link/received_length.h"

#include <cstring>

namespace zor {
namespace {

std::int32_t searchEnd(const std::uint8_t* buffer, std::int32_t count) {
    return ReceivedLength(buffer, count < receiveBufferSize ? count : receiveBufferSize);
}

std::int32_t findTag(const std::uint8_t* buffer, std::int32_t end, char digit) {
    const char tag[tagLength] = {'~', 'Z', 'O', 'R', digit};
    for (std::int32_t at = 0; at + tagLength <= end; ++at)
        if (std::memcmp(buffer + at, tag, tagLength) == 0) return at;
    return -1;
}

} // namespace

TagSearch FindReplyTag(const std::uint8_t* buffer, std::int32_t count) {
    if (buffer == nullptr) return {};
    const std::int32_t end = searchEnd(buffer, count);
    constexpr struct {
        char digit;
        ReplyTag tag;
    } order[] = {{'1', ReplyTag::Zor1}, {'2', ReplyTag::Zor2}, {'3', ReplyTag::Zor3}};
    for (const auto& candidate : order) {
        const std::int32_t at = findTag(buffer, end, candidate.digit);
        if (at >= 0) return {candidate.tag, at};
    }
    return {};
}

bool TagTooFarIntoBuffer(const TagSearch& found) {
    switch (found.tag) {
    case ReplyTag::Zor1:
        return found.position > lastNmeaTagPosition;
    case ReplyTag::Zor2:
        return found.position > lastModbusTagPosition;
    case ReplyTag::Zor3:
        return found.position > lastSerialTagPosition;
    case ReplyTag::None:
        break;
    }
    return false;
}

DetectionResult DetectConverter(const std::uint8_t* buffer, std::int32_t count) {
    DetectionResult result;
    result.found = FindReplyTag(buffer, count);
    if (result.found.tag == ReplyTag::None) {
        result.detection = Detection::NotDetected;
        result.status = NotDetectedText(count);
    } else if (TagTooFarIntoBuffer(result.found)) {
        result.detection = Detection::Overflow;
        result.status = overflowStatus;
    } else {
        result.detection = Detection::Detected;
        result.status = BytesReadText(count);
    }
    return result;
}

} // namespace zor
