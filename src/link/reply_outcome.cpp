#include "link/reply_outcome.h"

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
    const MainFunction function = *detection.found.function;
    switch (function) {
    case MainFunction::NmeaToSdi12:
        outcome.nmea = DecodeNmeaImage(image, origin);
        outcome.converterStateTitle = ConverterStateTitle(outcome.nmea->settings.firmwareVersion);
        outcome.complete = outcome.nmea->complete;
        break;
    case MainFunction::ModbusToSdi12:
        outcome.modbus = DecodeModbusImage(image, origin);
        if (outcome.modbus->firmwareVersion)
            outcome.converterStateTitle = ConverterStateTitle(*outcome.modbus->firmwareVersion);
        outcome.complete = outcome.modbus->complete;
        break;
    case MainFunction::Sdi12ToRs232:
        // The converter answers with the image it was sent: its address, baud and (from the port) serial
        // number fill the form, as a saved file's do.
        outcome.serial = DecodeSerialImage(image, origin);
        outcome.complete = outcome.serial->complete;
        break;
    }
    if (outcome.complete) {
        outcome.showRegisterSet0 = FactsOf(function).showsRegisterSet0;
        outcome.switchTo = function;
    }
    if (!outcome.complete) {
        outcome.nmea.reset();
        outcome.modbus.reset();
        outcome.serial.reset();
        outcome.converterStateTitle.reset();
    }
    outcome.beep = outcome.complete;
    outcome.status = outcome.complete ? ReceivedOkText(count) : DetectedReadErrorText(count);
    return outcome;
}

} // namespace zor
