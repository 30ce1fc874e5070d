#include "link/firmware_job.h"

#include <algorithm>
#include <cstring>

namespace zor {
namespace {

constexpr std::uint8_t startTag[] = {'~', 'Z', 'O', 'R', 'f'};
constexpr char startAnswer[] = "ACKFW";

std::u16string withNumber(const char16_t* prefix, std::int64_t number, const char16_t* suffix = u"") {
    std::u16string text = prefix;
    const std::string digits = std::to_string(number);
    text.append(digits.begin(), digits.end());
    text += suffix;
    return text;
}

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
    std::int32_t text = 0;
    while (text < count && data[text] != 0)
        ++text;
    for (std::int32_t i = 0; i + length <= text; ++i)
        if (std::memcmp(data + i, startAnswer, static_cast<std::size_t>(length)) == 0) return true;
    return false;
}

bool waitedTooLong(const FirmwareUpdate& update, FirmwareLink& link) {
    return static_cast<std::uint32_t>(link.nowMs() - update.waitStartedMs) >= firmwareReplyTimeoutMs;
}

void sendStart(FirmwareUpdate& update, FirmwareLink& link, FirmwareStep& step) {
    const PortTransfer written = link.write(startTag, static_cast<std::int32_t>(sizeof startTag));
    if (!written.ok) {
        // The update has not begun: the buttons were never disabled.
        setStatus(step, withNumber(u"Error ", written.error, u" (serial write failed)"));
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
    std::memset(update.receive, 0, sizeof update.receive);
    const PortTransfer read = link.read(update.receive, firmwareReceiveCapacity);
    if (!read.ok) {
        fail(step, withNumber(u"File Read Error ", read.error));
        return;
    }
    const std::int32_t count = read.count < 0 ? 0 : std::min(read.count, firmwareReceiveCapacity);
    if (containsStartAnswer(update.receive, count)) {
        update.cursor = 0;
        update.acknowledged = 0;
        update.rejectedInARow = 0;
        update.state = firmwareSendPacket;
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
    update.lastPacket = true;
    update.packetStart = update.cursor;
    const FirmwarePacket packet = BuildFirmwarePacket(update.image, update.cursor);
    update.receive[0] = 0;
    // A failed write shows up as a packet that is never acknowledged.
    (void)link.write(packet.bytes, firmwarePacketSize);
    update.waitStartedMs = link.nowMs();
    if (packet.complete) {
        update.lastPacket = false;
        std::u16string text = withNumber(u"Sending Packet ", update.acknowledged);
        text += withNumber(u" / ", update.image.size / firmwarePacketData);
        setStatus(step, std::move(text));
    }
    update.state = firmwareAwaitAnswer;
    step.armMs = firmwarePacketPeriodMs;
}

void awaitAnswer(FirmwareUpdate& update, FirmwareLink& link, FirmwareStep& step) {
    update.receive[0] = 0;
    const PortTransfer read = link.read(update.receive, 1);
    if (!read.ok) {
        fail(step, withNumber(u"Serial Read Error ", read.error));
        return;
    }
    // Nothing arrived (a zero byte reads the same).
    const std::uint8_t answer = read.count > 0 ? update.receive[0] : 0;
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
            std::u16string text =
                withNumber(u"Firmware Update Failed (packet ", update.packetStart / firmwarePacketData);
            text += withNumber(u" rejected ", firmwareRejectLimit, u" times)");
            fail(step, std::move(text));
            return;
        }
        // The same data go again. The last packet too: ending on its rejection would report a
        // firmware the converter refused as sent.
        update.cursor = update.packetStart;
        update.lastPacket = false;
        setStatus(step, u"Packet Send Failed");
    } else {
        fail(step, withNumber(u"Illegal Response: ", static_cast<std::int8_t>(answer)));
        return;
    }
    if (!update.lastPacket) {
        update.state = firmwareSendPacket;
        step.armMs = firmwarePacketPeriodMs;
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
