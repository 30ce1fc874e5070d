#include "link/firmware_job.h"

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

void setStatus(FirmwareStep& step, std::u16string text) {
    step.statusChanged = true;
    step.status = std::move(text);
}

void fail(FirmwareStep& step, std::u16string text) {
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

bool waitedTooLong(const FirmwareUpdate& update, FirmwareLink& link) {
    return static_cast<std::uint32_t>(link.nowMs() - update.waitStartedMs) >= firmwareReplyTimeoutMs;
}

void sendStart(FirmwareUpdate& update, FirmwareLink& link, FirmwareStep& step) {
    // The tail of an earlier reply would come before "ACKFW" in the first read and could hide it.
    link.purgeReceive();
    const PortTransfer written = link.write(startTag, static_cast<std::int32_t>(sizeof startTag));
    if (!written.ok) {
        // The update has not begun: the buttons were never disabled.
        setStatus(step, SerialWriteFailedText(static_cast<std::int32_t>(written.error)));
        return;
    }
    step.disableButtons = true;
    update.state = firmwareAwaitStart;
    update.waitStartedMs = link.nowMs();
    update.replySeen = false;
    step.armMs = firmwareStartPeriodMs;
    setStatus(step, u"Initiating Firmware Update");
}

void awaitStart(FirmwareUpdate& update, FirmwareLink& link, FirmwareStep& step) {
    std::uint8_t* receive = link.receiveBuffer();
    std::memset(receive, 0, static_cast<std::size_t>(receiveBufferSize));
    const PortTransfer read = link.read(receive, receiveBufferSize);
    if (!read.ok) {
        fail(step, FileReadErrorText(static_cast<std::int32_t>(read.error)));
        return;
    }
    const std::int32_t count = read.count < 0 ? 0 : std::min(read.count, receiveBufferSize);
    if (containsStartAnswer(receive, count)) {
        update.cursor = 0;
        update.acknowledged = 0;
        update.rejectedInARow = 0;
        update.state = firmwareSendPacket;
        update.answerReadMs = link.nowMs();
        step.armMs = firmwareStartPeriodMs;
        return;
    }
    if (count > 0) update.replySeen = true;
    if (waitedTooLong(update, link)) {
        fail(step, update.replySeen ? u"Firmware Update Failed (unexpected reply from converter)"
                                    : u"Firmware Update Failed (no reply from converter)");
        return;
    }
    step.armMs = firmwareStartPeriodMs;
}

void sendPacket(FirmwareUpdate& update, FirmwareLink& link, FirmwareStep& step) {
    // Timers may fire early: the pause is kept on the link's clock.
    const std::uint32_t paused = link.nowMs() - update.answerReadMs;
    if (paused < firmwareAnswerPauseMs) {
        step.armMs = firmwareAnswerPauseMs - paused;
        return;
    }
    update.lastPacket = true;
    update.packetStart = update.cursor;
    const FirmwarePacket packet = BuildFirmwarePacket(update.image, update.cursor);
    link.receiveBuffer()[0] = 0;
    // A failed write shows up as a packet that is never acknowledged.
    (void)link.write(packet.bytes, firmwarePacketSize);
    update.waitStartedMs = link.nowMs();
    if (packet.complete) {
        update.lastPacket = false;
        setStatus(step, u"Sending Packet " + DecimalText(update.acknowledged) + u" / " +
                            DecimalText(update.image.size / firmwarePacketData));
    }
    update.state = firmwareAwaitAnswer;
    step.armMs = firmwarePacketPeriodMs;
}

void awaitAnswer(FirmwareUpdate& update, FirmwareLink& link, FirmwareStep& step) {
    std::uint8_t* receive = link.receiveBuffer();
    receive[0] = 0;
    const PortTransfer read = link.read(receive, 1);
    if (!read.ok) {
        fail(step, u"Serial Read Error " + DecimalText(read.error));
        return;
    }
    // Nothing arrived (a zero byte reads the same).
    const std::uint8_t answer = read.count > 0 ? receive[0] : 0;
    if (answer == 0) {
        if (waitedTooLong(update, link)) {
            fail(step, u"Firmware Update Failed (no acknowledgement from converter)");
            return;
        }
        step.armMs = firmwarePacketPeriodMs;
        return;
    }
    if (answer == 1) {
        ++update.acknowledged;
        update.rejectedInARow = 0;
        setStatus(step, u"OK");
    } else if (answer == 2) {
        if (++update.rejectedInARow >= firmwareRejectLimit) {
            fail(step, u"Firmware Update Failed (packet " +
                           DecimalText(update.packetStart / firmwarePacketData) + u" rejected " +
                           DecimalText(firmwareRejectLimit) + u" times)");
            return;
        }
        // The same data go again. The last packet too: ending on its rejection would report a
        // firmware the converter refused as sent.
        update.cursor = update.packetStart;
        update.lastPacket = false;
        setStatus(step, packetSendFailedStatus);
    } else {
        fail(step, u"Illegal Response: " + DecimalText(static_cast<std::int8_t>(answer)));
        return;
    }
    if (!update.lastPacket) {
        update.state = firmwareSendPacket;
        update.answerReadMs = link.nowMs();
        step.armMs = firmwareAnswerPauseMs;
        return;
    }
    step.finished = true;
    step.enableButtons = true;
}

} // namespace

FirmwareFileCheck StartFirmwareUpdate(FirmwareUpdate& update, const std::uint8_t* bytes, std::size_t size) {
    FirmwareFileCheck check = LoadFirmwareImage(update.image, bytes, size);
    update.cursor = 0;
    update.acknowledged = 0;
    update.rejectedInARow = 0;
    update.lastPacket = false;
    // A refused file leaves nothing to send: the job does nothing until a file is accepted.
    update.state = check.ok ? firmwareSendStart : firmwareIdle;
    return check;
}

FirmwareStep RunFirmwareJob(FirmwareUpdate& update, FirmwareLink& link) {
    FirmwareStep step;
    switch (update.state) {
    case firmwareSendStart:
        sendStart(update, link, step);
        break;
    case firmwareAwaitStart:
        awaitStart(update, link, step);
        break;
    case firmwareSendPacket:
        sendPacket(update, link, step);
        break;
    case firmwareAwaitAnswer:
        awaitAnswer(update, link, step);
        break;
    default:
        break;
    }
    return step;
}

} // namespace zor
