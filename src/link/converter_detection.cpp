#include "link/converter_detection.h"

#include "link/detection_status.h"
#include "link/received_length.h"

#include <cstring>

namespace zor {

TagSearch FindReplyTag(const std::uint8_t* buffer, std::int32_t count) {
    if (buffer == nullptr) return {};
    const std::int32_t end = ReceivedLength(buffer, count < receiveBufferSize ? count : receiveBufferSize);
    for (const MainFunction function : allMainFunctions) {
        char tag[tagLength];
        std::memcpy(tag, imageTagPrefix, tagLength - 1);
        tag[tagLength - 1] = ImageTagDigit(function);
        for (std::int32_t at = 0; at + tagLength <= end; ++at)
            if (std::memcmp(buffer + at, tag, tagLength) == 0) return {function, at};
    }
    return {};
}

DetectionResult DetectConverter(const std::uint8_t* buffer, std::int32_t count) {
    DetectionResult result;
    result.found = FindReplyTag(buffer, count);
    if (!result.found.function) {
        result.detection = Detection::NotDetected;
        result.status = NotDetectedText(count);
    } else if (result.found.position > LastTagPosition(*result.found.function)) {
        result.detection = Detection::Overflow;
        result.status = overflowStatus;
    } else {
        result.detection = Detection::Detected;
        result.status = BytesReadText(count);
    }
    return result;
}

} // namespace zor
