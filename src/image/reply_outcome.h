// What one read of a reply (or of a configuration file) leads to: the tag found, the decoded image,
// the status line, and what the form does next. The window-bound reply job follows it step by step.
#pragma once

#include "image/image_decode.h"
#include "image/image_layout.h"
#include "link/converter_detection.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zor {

inline constexpr std::uint32_t receivedOkBeepHz = 2000;
inline constexpr std::uint32_t receivedOkBeepMs = 100;

struct ReplyOutcome {
    Detection detection = Detection::NotDetected;
    TagSearch found;
    std::u16string status; // the final status line text

    // The decoded image of the tag found (none when not detected or refused). Its values are applied
    // even when the image is incomplete; the refresh below happens only when it is complete.
    std::optional<DecodedNmeaImage> nmea;
    std::optional<DecodedModbusImage> modbus;
    std::optional<DecodedSerialImage> serial;
    // Set before the trailer test, so also for an incomplete image.
    std::optional<std::u16string> converterStateTitle;

    bool complete = false;
    bool beep = false;                    // 2000 Hz for 100 ms
    bool showRegisterSet0 = false;        // the register-set display for set 0
    std::optional<MainFunction> switchTo; // layout and main function radios
    bool applySerialFields = false;       // "SDI12 Address" and baud of a saved "SDI12 to RS232" file
};

// count: the bytes the one read returned into buffer (the receive buffer, at most 8192 bytes).
ReplyOutcome RecogniseReply(const std::uint8_t* buffer, std::int32_t count, ReplyOrigin origin);

} // namespace zor
