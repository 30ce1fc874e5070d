// The steps of the form's one build pass, in the order BuildMainForm runs them. Later steps place
// their widgets from widgets of earlier ones, so the order fixes the geometry.
#pragma once

namespace zor {

void BuildRegisterSetPanel();  // register-set radios, Modbus table, "PLT" buttons
void BuildAddressPanel();      // "SDI12 Address"
void BuildMainFunctionPanel(); // "Main Function"
void BuildSerialNumberPanel(); // "Serial Number", editable with the "service" marker
void BuildSentencePanel();     // "NMEA Sentence ID", "NMEA to SDI12 Parameter Select"
void BuildConverterButtons();  // "Restart Converter", "Test LEDs", "Clear Config"
void BuildControlOutputPanel();
void BuildAveragingPanel();
void BuildFileButtons(); // "Read Settings", "Send Settings", "Open Config", "Save Config"
void BuildStatusPanel();
void BuildCommPortPanel();
void BuildConverterStatePanel();
void BuildModbusSerialPanel(); // baud rate and timeout, hidden until a Modbus or serial layout
void LinkFormTabOrder();       // every field and button in reading order

} // namespace zor
