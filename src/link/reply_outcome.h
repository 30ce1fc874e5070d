// What one read of a reply (or of a configuration file) leads to: the tag found, the decoded image,
// the status line, and what the form does next. The link recognises each read once, here, and hands
// the outcome up; the window's reply job and zor-config follow it step by step.
#pragma once

#include "image/image_decode.h"
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

    // The decoded image of the tag found, only when it is complete: an incomplete reply or file applies
    // nothing, so that a later "Send Settings" never sends a mixture of two configurations.
    std::optional<DecodedNmeaImage> nmea;
    std::optional<DecodedModbusImage> modbus;
    std::optional<DecodedSerialImage> serial;
    std::optional<std::u16string> converterStateTitle;

    bool complete = false;
    bool beep = false;                    // 2000 Hz for 100 ms
    bool showRegisterSet0 = false;        // the register-set display for set 0
    std::optional<MainFunction> switchTo; // layout and main function radios
};

// count: the bytes the reads returned into buffer (the receive buffer, at most 8192 bytes). The bytes of
// a configuration file are read as a reply from a file: a file saved by the program in any main function
// is complete in its own layout, and "Serial Number" and converterStateFlags are never taken from it.
ReplyOutcome RecogniseReply(const std::uint8_t* buffer, std::int32_t count, ReplyOrigin origin);

} // namespace zor
