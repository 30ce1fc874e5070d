// The firmware transfer, the update's four-state machine without a window. Each step writes or reads
// once and says what the window side does next (arm the job again, the status text, the buttons, the end).
//   1: purge the input, write "~ZORf"   -> 2, 100 ms
//   2: wait for "ACKFW"                 -> 3, 100 ms
//   3: write the next packet            -> 4, 10 ms
//   4: wait for the one-byte answer     -> 3 (more packets, 10 ms), 4 (nothing yet), end
// A packet never follows the answer before it by less than 10 ms on the port's clock: a converter may
// still be busy (writing flash) after it answered, and has always had that pause.
// A converter that never answers "ACKFW" or never acknowledges a packet ends the update after a
// bounded wait, and one that rejects the same packet firmwareRejectLimit times in a row ends it too,
// each with a status message and the buttons enabled again.
#pragma once

#include "link/firmware_packet.h"
#include "link/firmware_port.h"

#include <cstdint>
#include <string>

namespace zor {

inline constexpr std::uint32_t firmwareStartPeriodMs = 100;
inline constexpr std::uint32_t firmwarePacketPeriodMs = 10;
// The least time between reading an answer ("ACKFW", 1 or 2) and writing the next packet.
inline constexpr std::uint32_t firmwareAnswerPauseMs = 10;
// How long the converter may take to answer the start tag, and each packet.
inline constexpr std::uint32_t firmwareReplyTimeoutMs = 5000;
// Rejections of one packet in a row after which the update is given up: a converter that refuses the
// same data again and again will not take them, and resending for ever would keep the buttons disabled.
inline constexpr std::int32_t firmwareRejectLimit = 10;
// The status of a packet the converter asked for again.
inline constexpr char16_t packetSendFailedStatus[] = u"Packet Send Failed";
// Once the last packet is answered: a beep, then the command byte that restarts the converter.
inline constexpr std::uint32_t firmwareDoneBeepHz = 2000;
inline constexpr std::uint32_t firmwareDoneBeepMs = 300;

enum FirmwareState : std::int32_t {
    firmwareIdle = 0,
    firmwareSendStart = 1,
    firmwareAwaitStart = 2,
    firmwareSendPacket = 3,
    firmwareAwaitAnswer = 4,
};

struct FirmwareTransfer {
    FirmwareImage image;
    std::int32_t cursor = 0;                // offset of the next packet's data in the image
    std::int32_t packetStart = 0;           // offset of the data of the packet just sent
    std::int32_t acknowledged = 0;          // packets answered with 1
    std::int32_t rejectedInARow = 0;        // answers 2 to the packet just sent, since it was first sent
    bool lastPacket = false;                // the packet just sent is the last one
    std::int32_t state = firmwareSendStart; // keeps its value after the end until the next start
    std::uint32_t waitStartedMs = 0;        // when the wait for the current answer began
    std::uint32_t answerReadMs = 0;         // when the answer the next packet follows was read
    bool replySeen = false;                 // something arrived while waiting for "ACKFW"
};

// What one step asks of the window side, in this order: status, buttons, beep and restart, re-arm.
struct FirmwareTransferStep {
    bool statusChanged = false;
    std::u16string status;
    bool disableButtons = false; // the update has begun: disable the disabled set
    bool enableButtons = false;  // the update is over, finished or failed: enable the disabled set
    bool finished = false;       // last packet answered: beep 2000 Hz for 300 ms, send command byte 255
    std::uint32_t armMs = 0;     // run the job again after this many ms; 0 = nothing armed
};

// "Open Config" with a firmware file: the image is taken and the machine set to its first state.
FirmwareFileCheck StartFirmwareTransfer(FirmwareTransfer& transfer, const std::uint8_t* bytes,
                                        std::size_t size);

FirmwareTransferStep StepFirmwareTransfer(FirmwareTransfer& transfer, FirmwarePort& port);

} // namespace zor
