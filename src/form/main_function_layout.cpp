#include "form/main_function_layout.h"

#include "form/main_form.h"
#include "toolkit/layout.h"

namespace zor {

namespace {

RegisterSetPanel& sets() {
    return mainForm.registerSets;
}

void ShowTable(bool visible) {
    for (Widget* column :
         {&sets().addressColumn, &sets().commandColumn, &sets().startRegColumn, &sets().regCountColumn})
        visible ? show(*column) : hide(*column);
}

void EnableTable(bool enabled) {
    for (Widget* column :
         {&sets().addressColumn, &sets().commandColumn, &sets().startRegColumn, &sets().regCountColumn})
        setEnabled(*column, enabled);
}

void ShowSentenceGroups(bool visible) {
    for (Widget* group : {&mainForm.sentence.sentenceIdGroup, &mainForm.sentence.parameterGroup})
        visible ? show(*group) : hide(*group);
}

void ShowOutputGroups(bool visible) {
    for (Widget* group : {&mainForm.controlOutput.group, &mainForm.averaging.group})
        visible ? show(*group) : hide(*group);
}

void SetSetGroupWidth(std::int32_t width) {
    Widget& group = sets().group;
    setBounds(group, group.x, group.y, width, group.height);
}

// Right of the register-set group, the timeout below the baud rate.
void PlaceBaudAndTimeout() {
    ModbusSerialPanel& panel = mainForm.modbusSerial;
    placeRightOf(panel.baudGroup, sets().group, 5);
    placeRightOf(panel.timeoutGroup, sets().group, 5);
    placeBelow(panel.timeoutGroup, panel.baudGroup, 5);
}

void ShowBaudAndTimeout(bool visible) {
    for (Widget* group : {&mainForm.modbusSerial.baudGroup, &mainForm.modbusSerial.timeoutGroup})
        visible ? show(*group) : hide(*group);
}

} // namespace

void ApplyNmeaLayout() {
    ShowSentenceGroups(true);
    SetSetGroupWidth(200);
    PlaceBaudAndTimeout();
    ShowTable(false);
    show(sets().group);
    sets().group.setText(u"SDI12 Register Set Select");
    ShowOutputGroups(true);
    ShowBaudAndTimeout(false);
    show(mainForm.identity.addressGroup);

    setEnabled(sets().group, true);
    EnableTable(true);
    setEnabled(mainForm.modbusSerial.baudGroup, true);
    setEnabled(mainForm.modbusSerial.timeoutGroup, true);
    setEnabled(mainForm.identity.addressGroup, true);
    repaint(mainForm.window);
}

void ApplyModbusLayout() {
    show(sets().group);
    ShowSentenceGroups(false);
    SetSetGroupWidth(mainForm.sentence.parameterGroup.width + 290);
    PlaceBaudAndTimeout();
    ShowTable(true);
    show(mainForm.identity.addressGroup);
    sets().group.setText(u"SDI12");
    ShowOutputGroups(false);
    mainForm.modbusSerial.baudGroup.setText(u"Modbus Baud Rate");
    ShowBaudAndTimeout(true);

    setEnabled(sets().group, true);
    EnableTable(true);
    setEnabled(mainForm.modbusSerial.baudGroup, true);
    setEnabled(mainForm.modbusSerial.timeoutGroup, true);
    setEnabled(mainForm.identity.addressGroup, true);
    repaint(mainForm.window);
}

// The register-set group is 480 wide here; the baud and timeout groups go to its right so that nothing
// overlaps (left where the NMEA layout put them they would sit inside the table).
void ApplySerialLayout() {
    show(sets().group);
    ShowSentenceGroups(false);
    SetSetGroupWidth(mainForm.sentence.parameterGroup.width + 230);
    PlaceBaudAndTimeout();
    ShowTable(true);
    show(mainForm.identity.addressGroup);
    sets().group.setText(u"SDI12");
    ShowOutputGroups(false);
    mainForm.modbusSerial.baudGroup.setText(u"Serial Baud Rate");
    ShowBaudAndTimeout(true);

    setEnabled(sets().group, false);
    EnableTable(false);
    setEnabled(mainForm.modbusSerial.baudGroup, true);
    setEnabled(mainForm.modbusSerial.timeoutGroup, false);
    setEnabled(mainForm.identity.addressGroup, true);
    repaint(mainForm.window);
}

std::optional<MainFunction> SelectedMainFunction() {
    const MainFunctionPanel& panel = mainForm.mainFunction;
    if (panel.nmeaRadio.checked) return MainFunction::NmeaToSdi12;
    if (panel.modbusRadio.checked) return MainFunction::ModbusToSdi12;
    if (panel.serialRadio.checked) return MainFunction::Sdi12ToRs232;
    return std::nullopt;
}

} // namespace zor
