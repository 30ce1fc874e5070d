// Every widget of the main window, one struct per panel. form/ is the only folder that names them;
// the link and the NMEA tools reach the few widgets they drive through pointers handed over at start-up.
#pragma once

#include "image/baud_rates.h"
#include "image/config_image.h"
#include "image/image_layout.h"
#include "image/main_function.h"
#include "image/modbus_columns.h"
#include "image/threshold_functions.h"
#include "toolkit/widget.h"

#include <cstdint>
#include <iterator>
#include <vector>

namespace zor {

inline constexpr std::int32_t parameterSlotCount = 32;
inline constexpr std::int32_t indicatorLightCount = 8; // the eighth, "(undefined)", stays hidden

// "SDI12 Register Set Select": the set radios, and in the Modbus layouts the Modbus table.
struct RegisterSetPanel {
    Widget group;
    Widget setRadio[registerSetCount];
    Widget addressColumn, commandColumn, startRegColumn, regCountColumn; // group boxes of the table
    Widget address[registerSetCount];
    Widget command[registerSetCount];
    Widget startReg[registerSetCount];
    Widget regCount[registerSetCount];
    Widget pipelineButton[registerSetCount]; // "PLT"
};

// The Modbus table's column group boxes and cells, in the order of modbusColumns.
inline constexpr Widget RegisterSetPanel::*modbusColumnGroups[] = {
    &RegisterSetPanel::addressColumn, &RegisterSetPanel::commandColumn, &RegisterSetPanel::startRegColumn,
    &RegisterSetPanel::regCountColumn};
inline constexpr Widget (RegisterSetPanel::*modbusCellColumns[])[registerSetCount] = {
    &RegisterSetPanel::address, &RegisterSetPanel::command, &RegisterSetPanel::startReg,
    &RegisterSetPanel::regCount};
static_assert(std::size(modbusColumnGroups) == modbusColumnCount &&
              std::size(modbusCellColumns) == modbusColumnCount);

struct IdentityPanel {
    Widget addressGroup, addressField;           // "SDI12 Address"
    Widget serialNumberGroup, serialNumberField; // "Serial Number"
};

struct MainFunctionPanel {
    Widget group;
    // One radio per main function, captioned by its name; MainFunctionRadio picks the one of a function.
    Widget nmeaRadio;
    Widget modbusRadio;
    Widget serialRadio;
};

struct SentencePanel {
    Widget sentenceIdGroup, sentenceIdField, pickButton; // "NMEA Sentence ID", "Pick"
    Widget parameterGroup;                               // "NMEA to SDI12 Parameter Select"
    Widget slot[parameterSlotCount];                     // slot j captioned j + 1
};

struct ControlOutputPanel {
    Widget group; // "Control Output Parameters"
    Widget monitoredGroup, monitoredField;
    Widget thresholdFunctionGroup;
    Widget thresholdFunctionRadio[thresholdFunctionCount]; // tag: the function; "=" hidden
    Widget thresholdGroup, thresholdField;
    Widget hysteresisGroup, hysteresisField;
    Widget outputStateGroup, outputStateButton; // "Triggered Output State", "ON"/"OFF"
    Widget reflectBox;                          // "Reflect Output in RS422 TX LED"
    Widget averagingBox;                        // "Enable Averaging"
};

struct AveragingPanel {
    Widget group; // "Averaging"
    Widget periodGroup, periodField;
    Widget sampleRateGroup, sampleRateField;
};

struct CommandPanel {
    Widget restartButton, testLedsButton, clearConfigButton;
    Widget readButton, sendButton, openButton, saveButton;
};

struct StatusPanel {
    Widget box;  // "Status"; its title changes with what the line shows
    Widget line; // the status line
};

struct CommPortPanel {
    Widget group;        // "Comm Port"; its 300 ms timer blinks the converter state lights
    Widget portLabel;    // "---", "Scanning n", "COMn"
    Widget rescanButton; // "Rescan Ports" / "Stop Scanning"; its tag is the scanning flag
};

struct ConverterStatePanel {
    Widget group; // "Converter State"
    Widget light[indicatorLightCount];
    bool blinking[indicatorLightCount] = {};
};

struct ModbusSerialPanel {
    Widget baudGroup;                  // titled with the main function's baudTitle
    Widget baudRadio[baudChoiceCount]; // tag: the baud index, 1 for baudRates[0]
    Widget timeoutGroup, timeoutField; // "Modbus Timeout"
};

struct MainForm {
    Widget window;
    RegisterSetPanel registerSets;
    IdentityPanel identity;
    MainFunctionPanel mainFunction;
    SentencePanel sentence;
    ControlOutputPanel controlOutput;
    AveragingPanel averaging;
    CommandPanel commands;
    StatusPanel status;
    CommPortPanel commPort;
    ConverterStatePanel converterState;
    ModbusSerialPanel modbusSerial;
    // The fields typed into since the record was last shown in them (field_commit.h).
    std::vector<const Widget*> editedFields;
    // Those of them whose text was refused: not entered, the record keeps its value.
    std::vector<const Widget*> notEnteredFields;
    // The record was last filled from a file, not from a converter.
    bool settingsFromFile = false;
    // The image "Send Settings" built at its click, written once the converter on the port has answered.
    ConfigImage imageToSend;
};

// The program's one form; its widgets live for the whole run.
extern MainForm mainForm;

} // namespace zor
