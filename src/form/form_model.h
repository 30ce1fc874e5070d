// FormModel: the one record of a converter's settings, every field of every main function. The window's
// fields are views of it: a field's text enters it when the field is left, through the rules of image/,
// or is refused there. "Send Settings", "Save Config" and zor-config read it and nothing else; a reply
// or a file is written into it (settings_record.h) and the fields are then shown from it.
#pragma once

#include "image/image_layout.h"
#include "image/main_function.h"
#include "image/modbus_columns.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace zor {

// The Modbus table as typed and accepted, column by column in the order of modbusColumns; row 0 at
// index 0. An empty cell is 0.
using ModbusCells = std::array<std::array<std::u16string, modbusRowCount>, modbusColumnCount>;

// The start values are ResetFormModel's, which the constructor runs.
struct FormModel {
    FormModel();

    std::optional<MainFunction> mainFunction; // the selected "Main Function" radio, if any
    std::u16string address;                   // "SDI12 Address"
    std::u16string serialNumber;              // "Serial Number"
    ModbusCells modbusCells;
    std::u16string modbusTimeout;

    std::int32_t currentRegisterSet;
    std::array<std::u16string, registerSetCount> sentenceId;
    std::uint32_t parameterSelectMask[registerSetCount]; // bit j: parameter slot j + 1
    std::int32_t monitoredParameter[registerSetCount];
    std::int32_t thresholdFunction[registerSetCount]; // an index of thresholdFunctionSymbols
    float threshold[registerSetCount];
    float hysteresis[registerSetCount];
    std::int32_t triggeredOutputOn;
    std::int32_t reflectOutputInLed;
    std::int32_t flagBytes[registerSetCount]; // [0] is averagingEnabled
    std::int32_t averagingPeriod;
    std::int32_t secondAveragingPeriod;
    std::int32_t averagingSampleRate;
    std::int32_t secondSampleRate;
    std::int32_t averagingSampleCount;
    std::int32_t secondSampleCount;
    std::int32_t thresholdDecimals;
    std::int32_t averagingBufferLength;
    std::int32_t modbusBaudIndex; // 1 for baudRates[0]
    std::int32_t converterStateFlags;
    std::string firmwareVersion;
    std::optional<std::string> modbusFirmwareVersion; // from a Modbus reply, shown only
    std::int32_t viewedParameter;

    // "Enable Averaging" shares its storage with flagBytes[0].
    std::int32_t& averagingEnabled() { return flagBytes[0]; }
    std::int32_t averagingEnabled() const { return flagBytes[0]; }
};

// Puts every value back to its start value.
void ResetFormModel(FormModel& model);

// The program's one form.
extern FormModel formModel;
// What the converter holds as far as the program knows: the record as the last complete read left it or
// the last send wrote it (at start, the start record). The fields that differ are the unsent changes.
extern FormModel converterHeld;

} // namespace zor
