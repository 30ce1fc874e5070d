#include "form/settings_record.h"

#include "form/register_set_display.h"
#include "toolkit/decimal_text.h"

namespace zor {
namespace {

// Every value the record and NmeaSettings both hold, as pairs of the record's value and the settings'
// one; the buffer length and the state word are not among them, since a decoded image may not apply them.
template <typename Model, typename Settings, typename Pair>
void pairValues(Model& model, Settings& s, Pair pair) {
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        pair(model.sentenceId[k], s.sentenceId[k]);
        pair(model.parameterSelectMask[k], s.parameterSelectMask[k]);
        pair(model.monitoredParameter[k], s.monitoredParameter[k]);
        pair(model.threshold[k], s.threshold[k]);
        pair(model.thresholdFunction[k], s.thresholdFunction[k]);
        pair(model.hysteresis[k], s.hysteresis[k]);
        pair(model.flagBytes[k], s.flagBytes[k]);
    }
    pair(model.thresholdDecimals, s.thresholdDecimals);
    pair(model.triggeredOutputOn, s.triggeredOutputOn);
    pair(model.reflectOutputInLed, s.reflectOutputInLed);
    pair(model.averagingSampleRate, s.averagingSampleRate);
    pair(model.secondSampleRate, s.secondSampleRate);
    pair(model.averagingSampleCount, s.averagingSampleCount);
    pair(model.secondSampleCount, s.secondSampleCount);
    pair(model.firmwareVersion, s.firmwareVersion);
}

void applyNmea(FormModel& model, const DecodedNmeaImage& image) {
    pairValues(model, image.settings,
               [](auto& toModel, const auto& fromSettings) { toModel = fromSettings; });
    model.averagingPeriod = image.averagingPeriod;
    model.secondAveragingPeriod = image.secondAveragingPeriod;
    if (image.averagingBufferLength) model.averagingBufferLength = *image.averagingBufferLength;
    if (image.converterStateFlags) model.converterStateFlags = *image.converterStateFlags;
}

void applyModbusCells(FormModel& model, const DecodedModbusImage& image) {
    for (std::int32_t row = 0; row < modbusRowCount; ++row)
        for (std::int32_t c = 0; c < modbusColumnCount; ++c)
            model.modbusCells[c][row] = DecimalText(image.rows[row].*modbusColumns[c].cell);
    model.modbusTimeout = DecimalText(image.timeout);
}

void applyIdentity(FormModel& model, const std::u16string& address,
                   const std::optional<std::u16string>& serialNumber) {
    model.address = address;
    if (serialNumber) model.serialNumber = *serialNumber;
}

// Up to length characters from offset, ending early at a zero byte, as the window reads a text.
std::u16string textAt(const std::vector<std::uint8_t>& bytes, std::size_t offset, std::size_t length) {
    std::u16string text;
    for (std::size_t i = offset; i < offset + length && i < bytes.size() && bytes[i] != 0; ++i)
        text.push_back(static_cast<char16_t>(bytes[i]));
    return text;
}

} // namespace

NmeaSettings NmeaSettingsOf(const FormModel& model) {
    NmeaSettings s;
    pairValues(model, s, [](const auto& fromModel, auto& toSettings) { toSettings = fromModel; });
    s.averagingBufferLength = model.averagingBufferLength;
    s.converterStateFlags = model.converterStateFlags;
    return s;
}

void TakeNmeaSettings(FormModel& model, const NmeaSettings& settings) {
    DecodedNmeaImage all;
    all.settings = settings;
    all.averagingBufferLength = settings.averagingBufferLength;
    all.converterStateFlags = settings.converterStateFlags;
    all.averagingPeriod = ClampedProduct(settings.averagingSampleCount, settings.averagingSampleRate);
    all.secondAveragingPeriod = ClampedProduct(settings.secondSampleCount, settings.secondSampleRate);
    applyNmea(model, all);
    model.averagingBufferLength = settings.averagingBufferLength;
}

void ApplyReply(FormModel& model, const ReplyOutcome& outcome, ReplyOrigin origin) {
    if (outcome.nmea) {
        applyIdentity(model, outcome.nmea->address, outcome.nmea->serialNumber);
        applyNmea(model, *outcome.nmea);
    } else if (outcome.modbus) {
        const DecodedModbusImage& image = *outcome.modbus;
        applyIdentity(model, image.address, image.serialNumber);
        applyModbusCells(model, image);
        if (image.modbusBaudIndex) model.modbusBaudIndex = *image.modbusBaudIndex;
        if (image.converterStateFlags) model.converterStateFlags = *image.converterStateFlags;
        if (image.firmwareVersion) model.firmwareVersion = *image.firmwareVersion;
        if (origin == ReplyOrigin::Port) model.modbusFirmwareVersion = image.firmwareVersion;
    } else if (outcome.serial) {
        applyIdentity(model, outcome.serial->address, outcome.serial->serialNumber);
        if (outcome.serial->modbusBaudIndex) model.modbusBaudIndex = *outcome.serial->modbusBaudIndex;
    }
    if (!outcome.complete) return;
    if (outcome.showRegisterSet0) (void)PrepareRegisterSetDisplay(model, 0);
    if (outcome.switchTo) model.mainFunction = *outcome.switchTo;
}

BuildResult BuildImage(FormModel& model) {
    if (!model.mainFunction) return {};
    const IdentityFields identity{model.address.c_str(), model.serialNumber.c_str()};
    switch (*model.mainFunction) {
    case MainFunction::NmeaToSdi12: {
        NmeaSettings settings = NmeaSettingsOf(model);
        BuildResult result = BuildNmeaImage(identity, settings);
        // Identifiers are lengthened only once the address and serial number passed.
        if (result.ok || result.failure.step >= sentenceIdOutOfRangeFailure.step)
            model.sentenceId = settings.sentenceId;
        return result;
    }
    case MainFunction::ModbusToSdi12: {
        ModbusTableTexts table;
        for (std::int32_t row = 0; row < modbusRowCount; ++row)
            for (std::int32_t c = 0; c < modbusColumnCount; ++c)
                (table.*modbusColumns[c].texts)[row] = model.modbusCells[c][row].c_str();
        table.timeout = model.modbusTimeout.c_str();
        return BuildModbusImage(identity, table, model.modbusBaudIndex);
    }
    case MainFunction::Sdi12ToRs232:
        return BuildSerialImage(identity, model.modbusBaudIndex);
    }
    return {};
}

FormModel FileContent(const ReplyOutcome& file, const std::vector<std::uint8_t>& bytes) {
    FormModel content;
    const std::size_t at = file.found.position < 0 ? 0 : static_cast<std::size_t>(file.found.position);
    if (file.nmea) {
        content.address = file.nmea->address;
        content.serialNumber = textAt(bytes, at + serialNumberOffset, serialNumberLength);
        DecodedNmeaImage asItStands = *file.nmea;
        applyNmea(content, asItStands);
        content.averagingBufferLength = file.nmea->settings.averagingBufferLength;
        content.converterStateFlags = file.nmea->settings.converterStateFlags;
        // The whole slot: a form sends six characters of a longer identifier (" -- undefined --" goes
        // out as " -- un"), which reading a reply cuts to five.
        for (std::int32_t k = 0; k < registerSetCount; ++k)
            content.sentenceId[k] =
                textAt(bytes, at + zor1::sentenceIdOffset + sentenceSlotLength * k, sentenceSlotLength);
    } else if (file.modbus) {
        content.address = file.modbus->address;
        content.serialNumber = textAt(bytes, at + serialNumberOffset, serialNumberLength);
        applyModbusCells(content, *file.modbus);
        content.modbusBaudIndex = file.modbus->baudByte;
    } else if (file.serial) {
        content.address = file.serial->address;
        content.serialNumber = textAt(bytes, at + zor3::serialNumberOffset, serialNumberLength);
        content.modbusBaudIndex = file.serial->baudByte;
    }
    if (file.complete) content.mainFunction = file.switchTo;
    return content;
}

BuildResult CheckFileContent(const ReplyOutcome& file, const std::vector<std::uint8_t>& bytes) {
    FormModel content = FileContent(file, bytes);
    if (!content.mainFunction) return {true, {}, {}};
    return BuildImage(content);
}

std::int32_t CountChangedFields(const FormModel& now, const FormModel& held) {
    std::int32_t changed = 0;
    const auto count = [&changed](const auto& a, const auto& b) { changed += a == b ? 0 : 1; };
    NmeaSettings heldNmea = NmeaSettingsOf(held);
    pairValues(now, heldNmea, count);
    count(now.mainFunction, held.mainFunction);
    count(now.address, held.address);
    count(now.serialNumber, held.serialNumber);
    count(now.averagingPeriod, held.averagingPeriod);
    count(now.modbusBaudIndex, held.modbusBaudIndex);
    count(now.modbusTimeout, held.modbusTimeout);
    for (std::int32_t c = 0; c < modbusColumnCount; ++c)
        for (std::int32_t row = 0; row < modbusRowCount; ++row)
            count(now.modbusCells[c][row], held.modbusCells[c][row]);
    return changed;
}

} // namespace zor
