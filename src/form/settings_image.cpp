#include "form/settings_image.h"

namespace zor {
namespace {

void assignWide(WideText& target, const std::u16string& text) {
    target.assign(text.c_str());
}

} // namespace

NmeaSettings NmeaSettingsFromForm(const FormModel& model) {
    NmeaSettings s;
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        s.sentenceId[k] = model.sentenceId[k].c_str();
        s.parameterSelectMask[k] = model.parameterSelectMask[k];
        s.monitoredParameter[k] = model.monitoredParameter[k];
        s.threshold[k] = model.threshold[k];
        s.thresholdFunction[k] = model.thresholdFunction[k];
        s.hysteresis[k] = model.hysteresis[k];
        s.flagBytes[k] = model.flagBytes[k];
    }
    s.thresholdDecimals = model.thresholdDecimals;
    s.triggeredOutputOn = model.triggeredOutputOn;
    s.reflectOutputInLed = model.reflectOutputInLed;
    s.averagingSampleRate = model.averagingSampleRate;
    s.secondSampleRate = model.secondSampleRate;
    s.averagingSampleCount = model.averagingSampleCount;
    s.secondSampleCount = model.secondSampleCount;
    s.averagingBufferLength = model.averagingBufferLength;
    s.converterStateFlags = model.converterStateFlags;
    s.firmwareVersion = model.firmwareVersion.c_str();
    return s;
}

BuildResult BuildSettingsImage(FormModel& model, MainFunction function, const IdentityFields& identity,
                               const ModbusTableTexts& table) {
    switch (function) {
    case MainFunction::NmeaToSdi12: {
        NmeaSettings settings = NmeaSettingsFromForm(model);
        BuildResult result = BuildNmeaImage(identity, settings);
        // Identifiers are lengthened only once the address and serial number passed.
        if (result.ok || result.failure.step >= sentenceIdOutOfRangeFailure.step)
            for (std::int32_t k = 0; k < registerSetCount; ++k)
                assignWide(model.sentenceId[k], settings.sentenceId[k]);
        return result;
    }
    case MainFunction::ModbusToSdi12:
        return BuildModbusImage(identity, table, model.modbusBaudIndex);
    case MainFunction::Sdi12ToRs232:
        return BuildSerialImage(identity, model.modbusBaudIndex);
    }
    return {};
}

void ApplyNmeaImage(FormModel& model, const DecodedNmeaImage& image) {
    const NmeaSettings& s = image.settings;
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        assignWide(model.sentenceId[k], s.sentenceId[k]);
        model.parameterSelectMask[k] = s.parameterSelectMask[k];
        model.monitoredParameter[k] = s.monitoredParameter[k];
        model.threshold[k] = s.threshold[k];
        model.thresholdFunction[k] = s.thresholdFunction[k];
        model.hysteresis[k] = s.hysteresis[k];
        model.flagBytes[k] = s.flagBytes[k];
    }
    model.thresholdDecimals = s.thresholdDecimals;
    model.triggeredOutputOn = s.triggeredOutputOn;
    model.reflectOutputInLed = s.reflectOutputInLed;
    model.averagingSampleRate = s.averagingSampleRate;
    model.secondSampleRate = s.secondSampleRate;
    model.averagingSampleCount = s.averagingSampleCount;
    model.secondSampleCount = s.secondSampleCount;
    model.averagingPeriod = image.averagingPeriod;
    model.secondAveragingPeriod = image.secondAveragingPeriod;
    if (image.averagingBufferLength) model.averagingBufferLength = *image.averagingBufferLength;
    if (image.converterStateFlags) model.converterStateFlags = *image.converterStateFlags;
    model.firmwareVersion.assign(s.firmwareVersion.c_str());
}

void ApplyModbusImage(FormModel& model, const DecodedModbusImage& image) {
    if (image.modbusBaudIndex) model.modbusBaudIndex = *image.modbusBaudIndex;
    if (image.converterStateFlags) model.converterStateFlags = *image.converterStateFlags;
    if (image.firmwareVersion) model.firmwareVersion.assign(image.firmwareVersion->c_str());
}

void ApplySerialImage(FormModel& model, const DecodedSerialImage& image) {
    if (image.modbusBaudIndex) model.modbusBaudIndex = *image.modbusBaudIndex;
}

} // namespace zor
