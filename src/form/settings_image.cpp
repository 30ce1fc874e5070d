#include "form/settings_image.h"

namespace zor {
namespace {

void copyValue(std::u16string& to, const WideText& from) {
    to = from.c_str();
}
void copyValue(WideText& to, const std::u16string& from) {
    to.assign(from.c_str());
}
void copyValue(std::string& to, const NarrowText& from) {
    to = from.c_str();
}
void copyValue(NarrowText& to, const std::string& from) {
    to.assign(from.c_str());
}
template <typename Number>
void copyValue(Number& to, const Number& from) {
    to = from;
}

// Every value the FormModel and NmeaSettings both hold, as pairs of the model's value and the settings'
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

} // namespace

NmeaSettings NmeaSettingsFromForm(const FormModel& model) {
    NmeaSettings s;
    pairValues(model, s, [](const auto& fromModel, auto& toSettings) { copyValue(toSettings, fromModel); });
    s.averagingBufferLength = model.averagingBufferLength;
    s.converterStateFlags = model.converterStateFlags;
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
                copyValue(model.sentenceId[k], settings.sentenceId[k]);
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
    pairValues(model, image.settings,
               [](auto& toModel, const auto& fromSettings) { copyValue(toModel, fromSettings); });
    model.averagingPeriod = image.averagingPeriod;
    model.secondAveragingPeriod = image.secondAveragingPeriod;
    if (image.averagingBufferLength) model.averagingBufferLength = *image.averagingBufferLength;
    if (image.converterStateFlags) model.converterStateFlags = *image.converterStateFlags;
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
