// Settings as JSON text, so that a settings file can be written and reviewed as text. `show --json`
// writes every value of an image; a file given to `build` or `send` names the values it sets:
//   mainFunction        "nmea", "modbus" or "serial" (or the window's names of the main functions)
//   sdi12Address, serialNumber
//   NMEA:   registerSets (up to 10: sentenceId, parameters (slots 1..32) or parameterSelectMask,
//           monitoredParameter, thresholdFunction ("<", ">", "=", "<=", ">=" or 0..4), threshold,
//           hysteresis), thresholdDecimals, triggeredOutputOn, reflectOutputInLed,
//           averaging {enabled, sampleRate, sampleCount, bufferLength, secondSampleRate,
//           secondSampleCount}, flagBytes1to9, converterStateFlags, firmwareVersion
//   Modbus: modbusRows (up to 10: address, command, startReg, regCount), modbusTimeout, baud
//   SDI12 to RS232: baud
// baud is 1200, 2400, 4800, 9600 or 19200 (or baudIndex, the byte itself). Table cells and the time-out
// may be numbers or the texts typed into the window's cells; they are read as the window reads them.
#pragma once

#include "form/form_model.h"

#include <nlohmann/json.hpp>

#include <string>

namespace zor::cli {

nlohmann::ordered_json SettingsToJson(const FormModel& form);

// Writes the values the JSON names into the form. "serialNumber" is taken only when takeSerial is
// set. exitOk; exitNotSettings with a message naming the value when the text is not settings; or
// exitCheckRefused with the window's words for a value its field would refuse (a text where a number
// belongs, a sentence identifier with a character the field would not take, a parameter selected
// twice, a threshold with more decimals than the converter keeps).
int ApplySettingsJson(FormModel& form, const nlohmann::json& json, bool takeSerial, std::string& error);

// A text that switches a converter to another main function brings what that function needs, as the
// converter held none of it: Modbus, modbusRows with a row that is not all zero, a modbusTimeout that
// is not 0, and baud (or baudIndex); SDI12 to RS232, baud; NMEA, registerSets. The first one missing,
// with why; empty when all are there.
std::string MissingForFunction(const nlohmann::json& json, MainFunction function);

} // namespace zor::cli
