#include "form/settings_record.h"

#include "form/register_set_display.h"
#include "image/ascii_text.h"
#include "image/nmea_number_fields.h"
#include "image/settings_keys.h"
#include "toolkit/decimal_text.h"

#include <cstdio>

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

void applyIdentity(FormModel& model, const DecodedIdentity& image) {
    model.address = image.address;
    if (image.serialNumber) model.serialNumber = *image.serialNumber;
}

// Every setting of the record as zor-config diff names it and writes its value, in one order.
struct NamedSetting {
    std::u16string name;
    std::u16string value;
};

std::u16string valueText(const std::u16string& text) {
    std::u16string quoted(1, u'"'); // appended: GCC 12 warns (wrongly) of an overlap on concatenation
    quoted += text;
    quoted += u'"';
    return quoted;
}
std::u16string valueText(const std::string& text) {
    return valueText(WideAscii(text));
}
std::u16string valueText(std::int64_t number) {
    return DecimalText(number);
}
// Nine digits: every float reads back as itself.
std::u16string valueText(float number) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(number));
    return WideAscii(text);
}

std::vector<NamedSetting> namedSettings(const FormModel& m) {
    // Every member of the record, bound by name: a member added stops the build here until it is named
    // below or said to be none of the settings a send or save carries. Not named: currentRegisterSet and
    // viewedParameter (what the window shows), secondAveragingPeriod (count times rate), and the
    // converter's own averagingBufferLength, converterStateFlags and modbusFirmwareVersion; the NMEA
    // numbers are named through their table.
    [[maybe_unused]] const auto& [mainFunction, address, serialNumber, modbusCells, modbusTimeout,
                                  currentRegisterSet, sentenceId, parameterSelectMask, monitoredParameter,
                                  thresholdFunction, threshold, hysteresis, triggeredOutputOn,
                                  reflectOutputInLed, flagBytes, averagingPeriod, secondAveragingPeriod,
                                  averagingSampleRate, secondSampleRate, averagingSampleCount,
                                  secondSampleCount, thresholdDecimals, averagingBufferLength,
                                  modbusBaudIndex, converterStateFlags, firmwareVersion,
                                  modbusFirmwareVersion, viewedParameter] = m;
    std::vector<NamedSetting> all;
    const auto add = [&all](const std::string& name, std::u16string value) {
        all.push_back({WideAscii(name), std::move(value)});
    };
    add(key::mainFunction, WideAscii(mainFunction ? FactsOf(*mainFunction).name : "(none)"));
    add(key::sdi12Address, valueText(address));
    add(key::serialNumber, valueText(serialNumber));
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        const std::string set = key::At(key::registerSets, k);
        add(key::In(set, key::sentenceId), valueText(sentenceId[k]));
        add(key::In(set, key::parameterSelectMask), valueText(std::int64_t{parameterSelectMask[k]}));
        add(key::In(set, key::monitoredParameter), valueText(std::int64_t{monitoredParameter[k]}));
        add(key::In(set, key::threshold), valueText(threshold[k]));
        add(key::In(set, key::thresholdFunction), valueText(std::int64_t{thresholdFunction[k]}));
        add(key::In(set, key::hysteresis), valueText(hysteresis[k]));
        add(k == 0 ? key::In(key::averaging, key::enabled) : key::At(key::flagBytes1to9, k - 1),
            valueText(std::int64_t{flagBytes[k]}));
    }
    const NmeaSettings nmea = NmeaSettingsOf(m);
    for (const NmeaNumberField& number : nmeaNumberFields) {
        if (number.converterOwned || number.value == &NmeaSettings::averagingBufferLength) continue;
        add(key::In(number.group, number.key), valueText(std::int64_t{nmea.*number.value}));
    }
    add(key::In(key::averaging, key::period), valueText(std::int64_t{averagingPeriod}));
    add(key::firmwareVersion, valueText(firmwareVersion));
    add(key::baudIndex, valueText(std::int64_t{modbusBaudIndex}));
    add(key::modbusTimeout, modbusTimeout);
    for (std::int32_t row = 0; row < modbusRowCount; ++row)
        for (std::int32_t c = 0; c < modbusColumnCount; ++c)
            add(key::In(key::At(key::modbusRows, row), modbusColumns[c].key), modbusCells[c][row]);
    return all;
}
// The main function whose decoded image the outcome holds (only a complete one holds any).
std::optional<MainFunction> decodedFunction(const ReplyOutcome& outcome) {
    for (const MainFunction function : allMainFunctions) {
        switch (function) {
        case MainFunction::NmeaToSdi12:
            if (outcome.nmea) return function;
            break;
        case MainFunction::ModbusToSdi12:
            if (outcome.modbus) return function;
            break;
        case MainFunction::Sdi12ToRs232:
            if (outcome.serial) return function;
            break;
        }
    }
    return std::nullopt;
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
    if (const std::optional<MainFunction> function = decodedFunction(outcome)) {
        switch (*function) {
        case MainFunction::NmeaToSdi12:
            applyIdentity(model, *outcome.nmea);
            applyNmea(model, *outcome.nmea);
            break;
        case MainFunction::ModbusToSdi12: {
            const DecodedModbusImage& image = *outcome.modbus;
            applyIdentity(model, image);
            applyModbusCells(model, image);
            if (image.modbusBaudIndex) model.modbusBaudIndex = *image.modbusBaudIndex;
            if (image.converterStateFlags) model.converterStateFlags = *image.converterStateFlags;
            if (image.firmwareVersion) model.firmwareVersion = *image.firmwareVersion;
            if (origin == ReplyOrigin::Port) model.modbusFirmwareVersion = image.firmwareVersion;
            break;
        }
        case MainFunction::Sdi12ToRs232:
            applyIdentity(model, *outcome.serial);
            if (outcome.serial->modbusBaudIndex) model.modbusBaudIndex = *outcome.serial->modbusBaudIndex;
            break;
        }
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

FormModel FileContent(const ReplyOutcome& file) {
    FormModel content;
    const std::optional<MainFunction> function = decodedFunction(file);
    if (!function) return content;
    const auto identity = [&content](const DecodedIdentity& image) {
        content.address = image.address;
        content.serialNumber = image.serialNumberAsHeld;
    };
    switch (*function) {
    case MainFunction::NmeaToSdi12:
        identity(*file.nmea);
        applyNmea(content, *file.nmea);
        content.averagingBufferLength = file.nmea->settings.averagingBufferLength;
        content.converterStateFlags = file.nmea->settings.converterStateFlags;
        // The whole slot: a form sends six characters of a longer identifier (" -- undefined --" goes
        // out as " -- un"), which reading a reply cuts to five.
        for (std::int32_t k = 0; k < registerSetCount; ++k)
            content.sentenceId[k] = file.nmea->sentenceIdSlot[k];
        break;
    case MainFunction::ModbusToSdi12:
        identity(*file.modbus);
        applyModbusCells(content, *file.modbus);
        content.modbusBaudIndex = file.modbus->baudByte;
        break;
    case MainFunction::Sdi12ToRs232:
        identity(*file.serial);
        content.modbusBaudIndex = file.serial->baudByte;
        break;
    }
    if (file.complete) content.mainFunction = file.switchTo;
    return content;
}

BuildResult CheckFileContent(const ReplyOutcome& file) {
    FormModel content = FileContent(file);
    if (!content.mainFunction) return {true, {}, {}};
    return BuildImage(content);
}

std::vector<SettingDifference> ChangedSettings(const FormModel& now, const FormModel& held) {
    const std::vector<NamedSetting> a = namedSettings(now), b = namedSettings(held);
    std::vector<SettingDifference> differences;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i].value != b[i].value) differences.push_back({a[i].name, b[i].value, a[i].value});
    return differences;
}

std::int32_t CountChangedFields(const FormModel& now, const FormModel& held) {
    return static_cast<std::int32_t>(ChangedSettings(now, held).size());
}

} // namespace zor
