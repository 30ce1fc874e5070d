#include "cli/settings_description.h"

#include "cli/text.h"
#include "form/register_set_display.h"
#include "form/settings_record.h"
#include "image/baud_rates.h"
#include "image/threshold_functions.h"
#include "toolkit/decimal_text.h"

namespace zor::cli {
namespace {

std::string slots(std::uint32_t mask) {
    std::string text;
    for (int j = 0; j < 32; ++j) {
        if ((mask & (1u << j)) == 0) continue;
        if (!text.empty()) text += ",";
        text += std::to_string(j + 1);
    }
    return text.empty() ? "-" : text;
}

// The text and blanks up to width; a text as wide or wider keeps two blanks before the next column.
std::string pad(std::string text, std::size_t width) {
    text.append(text.size() + 2 <= width ? width - text.size() : 2, ' ');
    return text;
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

std::string describeModbus(const FormModel& form) {
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
            const std::string cell = Utf8(form.modbusCells[c][row]);
            out +=
                c + 1 < modbusColumnCount ? pad(cell, Utf8(modbusColumns[c].rule->field).size() + 2) : cell;
        }
        out += "\n";
    }
    out += "Modbus Timeout: " + Utf8(form.modbusTimeout) + "\n";
    return out;
}

} // namespace

const char* MainFunctionName(MainFunction function) {
    const std::string_view name = FactsOf(function).name;
    return name.empty() ? "" : name.data();
}

std::string Describe(const FormModel& form) {
    std::string out;
    out += "Main function:  " +
           std::string(form.mainFunction ? MainFunctionName(*form.mainFunction) : "(none)") + "\n";
    out += "SDI12 Address:  " + (form.address.empty() ? std::string("(empty)") : Utf8(form.address)) + "\n";
    out += "Serial Number:  " + Utf8(form.serialNumber) + "\n";
    if (!form.mainFunction) return out;
    switch (*form.mainFunction) {
    case MainFunction::NmeaToSdi12:
        out += describeNmea(NmeaSettingsOf(form));
        break;
    case MainFunction::ModbusToSdi12:
        out += describeModbus(form);
        break;
    case MainFunction::Sdi12ToRs232:
        break;
    }
    const std::string_view baudTitle = FactsOf(*form.mainFunction).baudTitle;
    if (!baudTitle.empty()) {
        const std::optional<std::int32_t> baud = BaudRateOfIndex(form.modbusBaudIndex);
        out += std::string(baudTitle) + ": " +
               (baud ? std::to_string(*baud) : "(byte " + std::to_string(form.modbusBaudIndex) + ")") + "\n";
    }
    return out;
}

} // namespace zor::cli
