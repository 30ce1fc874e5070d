#include "link/firmware_transfer.h"

#include "link/converter_detection.h"
#include "link/detection_status.h"
#include "link/received_length.h"
#include "toolkit/decimal_text.h"

#include <algorithm>
#include <cstring>

namespace zor {
namespace {

constexpr std::uint8_t startTag[] = {'~', 'Z', 'O', 'R', 'f'};
constexpr char startAnswer[] = "ACKFW";

void setStatus(FirmwareTransferStep& step, std::u16string text) {
    step.statusChanged = true;
    step.status = std::move(text);
}

void fail(FirmwareTransferStep& step, std::u16string text) {
    setStatus(step, std::move(text));
    step.enableButtons = true;
    step.armMs = 0;
}

// The receive buffer is searched as a zero-terminated text: what follows a zero byte is not looked at.
bool containsStartAnswer(const std::uint8_t* data, std::int32_t count) {
    const std::int32_t length = static_cast<std::int32_t>(sizeof startAnswer) - 1;
    const std::int32_t text = ReceivedLength(data, count);
    for (std::int32_t i = 0; i + length <= text; ++i)
        if (std::memcmp(data + i, startAnswer, static_cast<std::size_t>(length)) == 0) return true;
    return false;
}

bool waitedTooLong(const FirmwareTransfer& transfer, FirmwarePort& port) {
    return static_cast<std::uint32_t>(port.nowMs() - transfer.waitStartedMs) >= firmwareReplyTimeoutMs;
}

void sendStart(FirmwareTransfer& transfer, FirmwarePort& port, FirmwareTransferStep& step) {
    // The tail of an earlier reply would come before "ACKFW" in the first read and could hide it.
    port.purgeReceive();
    const PortTransfer written = port.write(startTag, static_cast<std::int32_t>(sizeof startTag));
    if (!written.ok) {
        // The update has not begun: the buttons were never disabled.
        setStatus(step, SerialWriteFailedText(static_cast<std::int32_t>(written.error)));
        return;
    }
    step.disableButtons = true;
    transfer.state = firmwareAwaitStart;
    transfer.waitStartedMs = port.nowMs();
    transfer.replySeen = false;
    step.armMs = firmwareStartPeriodMs;
    setStatus(step, u"Initiating Firmware Update");
}

void awaitStart(FirmwareTransfer& transfer, FirmwarePort& port, FirmwareTransferStep& step) {
    std::uint8_t* receive = port.receiveBuffer();
    std::memset(receive, 0, static_cast<std::size_t>(receiveBufferSize));
    const PortTransfer read = port.read(receive, receiveBufferSize);
    if (!read.ok) {
        fail(step, FileReadErrorText(static_cast<std::int32_t>(read.error)));
        return;
    }
    const std::int32_t count = read.count < 0 ? 0 : std::min(read.count, receiveBufferSize);
    if (containsStartAnswer(receive, count)) {
        transfer.cursor = 0;
        transfer.acknowledged = 0;
        transfer.rejectedInARow = 0;
        transfer.state = firmwareSendPacket;
        transfer.answerReadMs = port.nowMs();
        step.armMs = firmwareStartPeriodMs;
        return;
    }
    if (count > 0) transfer.replySeen = true;
    if (waitedTooLong(transfer, port)) {
        fail(step, transfer.replySeen ? u"Firmware Update Failed (unexpected reply from converter)"
                                      : u"Firmware Update Failed (no reply from converter)");
        return;
    }
    step.armMs = firmwareStartPeriodMs;
}

void sendPacket(FirmwareTransfer& transfer, FirmwarePort& port, FirmwareTransferStep& step) {
    // Timers may fire early: the pause is kept on the port's clock.
    const std::uint32_t paused = port.nowMs() - transfer.answerReadMs;
    if (paused < firmwareAnswerPauseMs) {
        step.armMs = firmwareAnswerPauseMs - paused;
        return;
    }
    transfer.lastPacket = true;
    transfer.packetStart = transfer.cursor;
    const FirmwarePacket packet = BuildFirmwarePacket(transfer.image, transfer.cursor);
    port.receiveBuffer()[0] = 0;
    // A failed write shows up as a packet that is never acknowledged.
    (void)port.write(packet.bytes, firmwarePacketSize);
    transfer.waitStartedMs = port.nowMs();
    if (packet.complete) {
        transfer.lastPacket = false;
        setStatus(step, u"Sending Packet " + DecimalText(transfer.acknowledged) + u" / " +
                            DecimalText(transfer.image.size / firmwarePacketData));
    }
    transfer.state = firmwareAwaitAnswer;
    step.armMs = firmwarePacketPeriodMs;
}

void awaitAnswer(FirmwareTransfer& transfer, FirmwarePort& port, FirmwareTransferStep& step) {
    std::uint8_t* receive = port.receiveBuffer();
    receive[0] = 0;
    const PortTransfer read = port.read(receive, 1);
    if (!read.ok) {
        fail(step, u"Serial Read Error " + DecimalText(read.error));
        return;
    }
    // Nothing arrived (a zero byte reads the same).
    const std::uint8_t answer = read.count > 0 ? receive[0] : 0;
    if (answer == 0) {
        if (waitedTooLong(transfer, port)) {
            fail(step, u"Firmware Update Failed (no acknowledgement from converter)");
            return;
        }
        step.armMs = firmwarePacketPeriodMs;
        return;
    }
    if (answer == 1) {
        ++transfer.acknowledged;
        transfer.rejectedInARow = 0;
        setStatus(step, u"OK");
    } else if (answer == 2) {
        if (++transfer.rejectedInARow >= firmwareRejectLimit) {
            fail(step, u"Firmware Update Failed (packet " +
                           DecimalText(transfer.packetStart / firmwarePacketData) + u" rejected " +
                           DecimalText(firmwareRejectLimit) + u" times)");
            return;
        }
        // The same data go again. The last packet too: ending on its rejection would report a
        // firmware the converter refused as sent.
        transfer.cursor = transfer.packetStart;
        transfer.lastPacket = false;
        setStatus(step, packetSendFailedStatus);
    } else {
        fail(step, u"Illegal Response: " + DecimalText(static_cast<std::int8_t>(answer)));
        return;
    }
    if (!transfer.lastPacket) {
        transfer.state = firmwareSendPacket;
        transfer.answerReadMs = port.nowMs();
        step.armMs = firmwareAnswerPauseMs;
        return;
    }
    step.finished = true;
    step.enableButtons = true;
}

} // namespace

FirmwareFileCheck StartFirmwareTransfer(FirmwareTransfer& transfer, const std::uint8_t* bytes,
                                        std::size_t size) {
    FirmwareFileCheck check = LoadFirmwareImage(transfer.image, bytes, size);
    transfer.cursor = 0;
    transfer.acknowledged = 0;
    transfer.rejectedInARow = 0;
    transfer.lastPacket = false;
    // A refused file leaves nothing to send: the job does nothing until a file is accepted.
    transfer.state = check.ok ? firmwareSendStart : firmwareIdle;
    return check;
}

FirmwareTransferStep StepFirmwareTransfer(FirmwareTransfer& transfer, FirmwarePort& port) {
    FirmwareTransferStep step;
    switch (transfer.state) {
    case firmwareSendStart:
        sendStart(transfer, port, step);
        break;
    case firmwareAwaitStart:
        awaitStart(transfer, port, step);
        break;
    case firmwareSendPacket:
        sendPacket(transfer, port, step);
        break;
    case firmwareAwaitAnswer:
        awaitAnswer(transfer, port, step);
        break;
    default:
        break;
    }
    return step;
}

} // namespace zor
