#include "image/reply_outcome.h"

#include "link/detection_status.h"

namespace zor {

ReplyOutcome RecogniseReply(const std::uint8_t* buffer, std::int32_t count, ReplyOrigin origin) {
    if (count < 0) count = 0;
    if (count > receiveBufferSize) count = receiveBufferSize;

    ReplyOutcome outcome;
    const DetectionResult detection = DetectConverter(buffer, count);
    outcome.detection = detection.detection;
    outcome.found = detection.found;
    outcome.status = detection.status;
    if (detection.detection != Detection::Detected) return outcome;

    const ReceivedBytes image{buffer + detection.found.position, count - detection.found.position};
    switch (detection.found.tag) {
    case ReplyTag::Zor1:
        outcome.nmea = DecodeNmeaImage(image, origin);
        outcome.converterStateTitle = ConverterStateTitle(outcome.nmea->settings.firmwareVersion);
        outcome.complete = outcome.nmea->complete;
        if (outcome.complete) {
            outcome.showRegisterSet0 = true;
            outcome.switchTo = MainFunction::NmeaToSdi12;
        }
        break;
    case ReplyTag::Zor2:
        outcome.modbus = DecodeModbusImage(image, origin);
        if (outcome.modbus->firmwareVersion)
            outcome.converterStateTitle = ConverterStateTitle(*outcome.modbus->firmwareVersion);
        outcome.complete = outcome.modbus->complete;
        if (outcome.complete) outcome.switchTo = MainFunction::ModbusToSdi12;
        break;
    case ReplyTag::Zor3:
        // The converter's reply only says the converter is there; a saved file restores its fields.
        outcome.serial = DecodeSerialImage(image);
        outcome.complete = outcome.serial->complete;
        if (outcome.complete) {
            outcome.showRegisterSet0 = true;
            if (origin == ReplyOrigin::File) {
                outcome.applySerialFields = true;
                outcome.switchTo = MainFunction::Sdi12ToRs232;
            }
        }
        break;
    case ReplyTag::None:
        break;
    }
    outcome.beep = outcome.complete;
    outcome.status = outcome.complete ? ReceivedOkText(count) : DetectedReadErrorText(count);
    return outcome;
}

} // namespace zor
