#include "cli/form_state.h"

#include "cli/text.h"
#include "form/form_model.h"
#include "form/register_set_display.h"
#include "form/settings_image.h"
#include "image/baud_rates.h"
#include "image/threshold_functions.h"
#include "toolkit/decimal_text.h"

namespace zor::cli {
namespace {

// The form's settings into a model, through the one mapping the window applies a reply with.
void loadModel(FormModel& m, const FormState& f) {
    DecodedNmeaImage held;
    held.settings = f.nmea;
    held.converterStateFlags = f.nmea.converterStateFlags;
    held.averagingBufferLength = f.nmea.averagingBufferLength;
    ApplyNmeaImage(m, held);
    m.modbusBaudIndex = f.modbusBaudIndex;
}

void storeModel(const FormModel& m, FormState& f) {
    f.nmea = NmeaSettingsFromForm(m);
    f.modbusBaudIndex = m.modbusBaudIndex;
}

// Up to length characters from offset, ending early at a zero byte, as the window reads a text.
std::u16string textAt(const std::vector<std::uint8_t>& bytes, std::size_t offset, std::size_t length) {
    std::u16string text;
    for (std::size_t i = offset; i < offset + length && i < bytes.size() && bytes[i] != 0; ++i)
        text.push_back(static_cast<char16_t>(bytes[i]));
    return text;
}

std::size_t tagPosition(const ReplyOutcome& outcome) {
    return outcome.found.position < 0 ? 0 : static_cast<std::size_t>(outcome.found.position);
}

void writeModbusCells(FormState& form, const DecodedModbusImage& image) {
    for (std::int32_t row = 0; row < modbusRowCount; ++row)
        for (std::int32_t c = 0; c < modbusColumnCount; ++c)
            form.modbus.columns[c][row] = DecimalText(image.rows[row].*modbusColumns[c].cell);
    form.modbus.timeout = DecimalText(image.timeout);
}

void showRegisterSet0(FormModel& model) {
    (void)PrepareRegisterSetDisplay(model, 0);
}

std::string slots(std::uint32_t mask) {
    std::string text;
    for (int j = 0; j < 32; ++j) {
        if ((mask & (1u << j)) == 0) continue;
        if (!text.empty()) text += ",";
        text += std::to_string(j + 1);
    }
    return text.empty() ? "-" : text;
}

std::string pad(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

// The window's steps after a reply or a file: fields, FormModel, register set 0 shown, main function
// switched. The decoded records of a file carry no serial number; only a reply's Modbus firmware
// version is shown.
void applyOutcome(FormState& form, const ReplyOutcome& outcome, ReplyOrigin origin) {
    FormModel model;
    loadModel(model, form);
    if (outcome.nmea) {
        form.address = outcome.nmea->address;
        if (outcome.nmea->serialNumber) form.serialNumber = *outcome.nmea->serialNumber;
        ApplyNmeaImage(model, *outcome.nmea);
    } else if (outcome.modbus) {
        form.address = outcome.modbus->address;
        if (outcome.modbus->serialNumber) form.serialNumber = *outcome.modbus->serialNumber;
        writeModbusCells(form, *outcome.modbus);
        ApplyModbusImage(model, *outcome.modbus);
        if (origin == ReplyOrigin::Port) form.modbusFirmwareVersion = outcome.modbus->firmwareVersion;
    } else if (outcome.serial) {
        form.address = outcome.serial->address;
        if (outcome.serial->serialNumber) form.serialNumber = *outcome.serial->serialNumber;
        ApplySerialImage(model, *outcome.serial);
    }
    if (outcome.showRegisterSet0) showRegisterSet0(model);
    if (outcome.switchTo) form.function = *outcome.switchTo;
    storeModel(model, form);
}

std::string describeNmea(const NmeaSettings& s) {
    std::string out;
    out += "Firmware Version: " + Latin1ToUtf8(s.firmwareVersion) + "\n";
    out += "Threshold decimals: " + std::to_string(s.thresholdDecimals) + "\n";
    out += "Register sets:\n";
    out += "  Set  Sentence  Parameters          Monitored  Function  Threshold       Hysteresis\n";
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        const std::string_view symbol = ThresholdFunctionSymbol(s.thresholdFunction[k]);
        out += "  " + pad(std::to_string(k), 5) + pad(Utf8(s.sentenceId[k]), 10) +
               pad(slots(s.parameterSelectMask[k]), 20) + pad(std::to_string(s.monitoredParameter[k]), 11) +
               pad(!symbol.empty() ? std::string(symbol) : std::to_string(s.thresholdFunction[k]), 10) +
               pad(Utf8(SixDecimalText(s.threshold[k])), 16) + Utf8(SixDecimalText(s.hysteresis[k])) + "\n";
    }
    out += "Triggered output: " + std::string(s.triggeredOutputOn != 0 ? "ON" : "OFF") +
           ", reflected in LED: " + (s.reflectOutputInLed != 0 ? "yes" : "no") + "\n";
    const std::int64_t period = static_cast<std::int64_t>(s.averagingSampleCount) * s.averagingSampleRate;
    out += "Averaging: " + std::string(s.flagBytes[0] != 0 ? "enabled" : "disabled") + ", period " +
           std::to_string(period) + " s (" + std::to_string(s.averagingSampleCount) + " samples every " +
           std::to_string(s.averagingSampleRate) + " s), buffer length " +
           std::to_string(s.averagingBufferLength) + "\n";
    out += "Converter state word: " + std::to_string(s.converterStateFlags) + "\n";
    return out;
}

std::string describeModbus(const FormState& form) {
    std::string out;
    if (form.modbusFirmwareVersion)
        out += "Firmware Version: " + Latin1ToUtf8(*form.modbusFirmwareVersion) + "\n";
    // Each column as wide as its title and two blanks; the last one unpadded.
    out += "Modbus rows:\n";
    out += "  Row";
    for (const ModbusColumn& column : modbusColumns)
        out += "  " + Utf8(column.rule->field);
    out += "\n";
    for (std::int32_t row = 0; row < modbusRowCount; ++row) {
        out += "  " + pad(std::to_string(row + 1), 5);
        for (std::int32_t c = 0; c < modbusColumnCount; ++c) {
            const std::string cell = Utf8(form.modbus.columns[c][row]);
            out +=
                c + 1 < modbusColumnCount ? pad(cell, Utf8(modbusColumns[c].rule->field).size() + 2) : cell;
        }
        out += "\n";
    }
    out += "Modbus Timeout: " + Utf8(form.modbus.timeout) + "\n";
    return out;
}

} // namespace

FormState::FormState() {
    const FormModel start;
    storeModel(start, *this);
}

void ReadReply(FormState& form, const ReplyOutcome& reply) {
    applyOutcome(form, reply, ReplyOrigin::Port);
}

void OpenConfigFile(FormState& form, const ReplyOutcome& file) {
    applyOutcome(form, file, ReplyOrigin::File);
}

FormState FileContent(const ReplyOutcome& file, const std::vector<std::uint8_t>& bytes) {
    FormState form;
    const std::size_t at = tagPosition(file);
    if (file.nmea) {
        form.address = file.nmea->address;
        form.serialNumber = textAt(bytes, at + serialNumberOffset, serialNumberLength);
        form.nmea = file.nmea->settings; // every value as it stands, the state word included
        // The whole slot: a form sends six characters of a longer identifier (" -- undefined --" goes
        // out as " -- un"), which reading a reply cuts to five.
        for (std::int32_t k = 0; k < registerSetCount; ++k)
            form.nmea.sentenceId[k] =
                textAt(bytes, at + zor1::sentenceIdOffset + sentenceSlotLength * k, sentenceSlotLength);
    } else if (file.modbus) {
        form.address = file.modbus->address;
        form.serialNumber = textAt(bytes, at + serialNumberOffset, serialNumberLength);
        writeModbusCells(form, *file.modbus);
        form.modbusBaudIndex = file.modbus->baudByte;
    } else if (file.serial) {
        form.address = file.serial->address;
        form.serialNumber = textAt(bytes, at + zor3::serialNumberOffset, serialNumberLength);
        form.modbusBaudIndex = file.serial->baudByte;
    }
    if (file.complete) form.function = file.switchTo;
    return form;
}

BuildResult BuildImage(FormState& form) {
    const IdentityFields identity{form.address.c_str(), form.serialNumber.c_str()};
    if (!form.function) return {};
    switch (*form.function) {
    case MainFunction::NmeaToSdi12:
        return BuildNmeaImage(identity, form.nmea);
    case MainFunction::ModbusToSdi12: {
        ModbusTableTexts table;
        for (std::int32_t row = 0; row < modbusRowCount; ++row)
            for (std::int32_t c = 0; c < modbusColumnCount; ++c)
                (table.*modbusColumns[c].texts)[row] = form.modbus.columns[c][row].c_str();
        table.timeout = form.modbus.timeout.c_str();
        return BuildModbusImage(identity, table, form.modbusBaudIndex);
    }
    case MainFunction::Sdi12ToRs232:
        return BuildSerialImage(identity, form.modbusBaudIndex);
    }
    return {};
}

const char* MainFunctionName(MainFunction function) {
    const std::string_view name = FactsOf(function).name;
    return name.empty() ? "" : name.data();
}

std::string Describe(const FormState& form) {
    std::string out;
    out +=
        "Main function:  " + std::string(form.function ? MainFunctionName(*form.function) : "(none)") + "\n";
    out += "SDI12 Address:  " + (form.address.empty() ? std::string("(empty)") : Utf8(form.address)) + "\n";
    out += "Serial Number:  " + Utf8(form.serialNumber) + "\n";
    if (!form.function) return out;
    switch (*form.function) {
    case MainFunction::NmeaToSdi12:
        out += describeNmea(form.nmea);
        break;
    case MainFunction::ModbusToSdi12:
        out += describeModbus(form);
        break;
    case MainFunction::Sdi12ToRs232:
        break;
    }
    const std::string_view baudTitle = FactsOf(*form.function).baudTitle;
    if (!baudTitle.empty()) {
        const std::optional<std::int32_t> baud = BaudRateOfIndex(form.modbusBaudIndex);
        out += std::string(baudTitle) + ": " +
               (baud ? std::to_string(*baud) : "(byte " + std::to_string(form.modbusBaudIndex) + ")") + "\n";
    }
    return out;
}

} // namespace zor::cli
