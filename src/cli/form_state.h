// What the window's form holds for one converter: the main function, the fields that keep their own
// text ("SDI12 Address", "Serial Number", the Modbus table and "Modbus Timeout"), the baud choice and the
// FormModel's values. The window's steps are done on it in the window's order, with the core's own
// functions, so that the image built from it is the one "Send Settings" would write.
#pragma once

#include "image/baud_rates.h"
#include "image/image_build.h"
#include "image/modbus_columns.h"
#include "image/nmea_settings.h"
#include "image/reply_outcome.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zor::cli {

struct ModbusCells {
    // Column by column in the order of modbusColumns; row 1 at index 0.
    std::array<std::array<std::u16string, modbusRowCount>, modbusColumnCount> columns;
    std::u16string timeout;
};

struct FormState {
    FormState(); // as the window starts: the FormModel's start values, empty fields

    std::optional<MainFunction> function; // the selected main function radio, if any
    std::u16string address;
    std::u16string serialNumber;
    NmeaSettings nmea;
    ModbusCells modbus;
    std::int32_t modbusBaudIndex = startBaudIndex;
    std::optional<std::string> modbusFirmwareVersion; // from a Modbus reply, shown only
};

// "Read Settings": the reply from the port written into the form as the window does (fields,
// FormModel, register set 0 shown, the main function switched on a complete image).
void ReadReply(FormState& form, const ReplyOutcome& reply);

// "Open Config": the recognised bytes of a configuration file written into the form as the window does
// ("Serial Number" and the converter state word are not taken from a file).
void OpenConfigFile(FormState& form, const ReplyOutcome& file);

// The file's content as it stands, with nothing kept from before and nothing corrected: what `show`
// prints and what `build` turns back into the same file.
FormState FileContent(const ReplyOutcome& file, const std::vector<std::uint8_t>& bytes);

// "Send Settings": the image of the selected main function, after the window's checks; the sentence
// identifiers of the form are lengthened as the window lengthens them.
BuildResult BuildImage(FormState& form);

// The main function's name as the window's radio shows it.
const char* MainFunctionName(MainFunction function);

// The main function's settings in readable lines.
std::string Describe(const FormState& form);

} // namespace zor::cli
