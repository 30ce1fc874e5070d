#include "form/main_function_layout.h"

#include "form/form_model.h"
#include "form/main_form.h"
#include "image/ascii_text.h"
#include "toolkit/layout.h"

namespace zor {

namespace {

RegisterSetPanel& sets() {
    return mainForm.registerSets;
}

void ShowTable(bool visible) {
    for (Widget RegisterSetPanel::*column : modbusColumnGroups)
        visible ? show(sets().*column) : hide(sets().*column);
}

void EnableTable(bool enabled) {
    for (Widget RegisterSetPanel::*column : modbusColumnGroups)
        setEnabled(sets().*column, enabled);
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

// The register-set group, the table, the timeout and the address are in use unless the table only shows;
// the baud group always is. Then the whole window repaints in its new layout.
void EnableLayoutGroups(bool tableInUse) {
    setEnabled(sets().group, tableInUse);
    EnableTable(tableInUse);
    setEnabled(mainForm.modbusSerial.baudGroup, true);
    setEnabled(mainForm.modbusSerial.timeoutGroup, tableInUse);
    setEnabled(mainForm.identity.addressGroup, true);
    repaint(mainForm.window);
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

    EnableLayoutGroups(true);
}

namespace {

// The two layouts with the Modbus table: the register-set group widened by extraWidth beyond the
// parameter-select group, the baud and timeout groups to its right.
void ShowTableLayout(std::int32_t extraWidth, MainFunction function, bool tableInUse) {
    show(sets().group);
    ShowSentenceGroups(false);
    SetSetGroupWidth(mainForm.sentence.parameterGroup.width + extraWidth);
    PlaceBaudAndTimeout();
    ShowTable(true);
    show(mainForm.identity.addressGroup);
    sets().group.setText(u"SDI12");
    ShowOutputGroups(false);
    mainForm.modbusSerial.baudGroup.setText(WideAscii(FactsOf(function).baudTitle).c_str());
    ShowBaudAndTimeout(true);

    EnableLayoutGroups(tableInUse);
}

} // namespace

void ApplyModbusLayout() {
    ShowTableLayout(290, MainFunction::ModbusToSdi12, true);
}

// The register-set group is 480 wide here; the baud and timeout groups go to its right so that nothing
// overlaps (left where the NMEA layout put them they would sit inside the table). The table and the
// timeout are shown but out of use: the converter takes only the address and the baud rate.
void ApplySerialLayout() {
    ShowTableLayout(230, MainFunction::Sdi12ToRs232, false);
}

void ApplyMainFunctionLayout(MainFunction function) {
    switch (function) {
    case MainFunction::NmeaToSdi12:
        ApplyNmeaLayout();
        break;
    case MainFunction::ModbusToSdi12:
        ApplyModbusLayout();
        break;
    case MainFunction::Sdi12ToRs232:
        ApplySerialLayout();
        break;
    }
}

Widget& MainFunctionRadio(MainFunction function) {
    MainFunctionPanel& panel = mainForm.mainFunction;
    switch (function) {
    case MainFunction::NmeaToSdi12:
        return panel.nmeaRadio;
    case MainFunction::ModbusToSdi12:
        return panel.modbusRadio;
    case MainFunction::Sdi12ToRs232:
        return panel.serialRadio;
    }
    return panel.nmeaRadio;
}

std::optional<MainFunction> SelectedMainFunction() {
    return formModel.mainFunction;
}

} // namespace zor
