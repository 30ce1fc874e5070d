// Where every group and control of the main window stands, and whether it shows and takes input, as
// built and in each main function's layout, switched by clicking the main function radios.
#include "form/main_function_layout.h"
#include "platform/window.h"
#include "support/program_fixture.h"

#include <string>
#include <vector>

namespace zor {
namespace {

using testing::click;
using testing::Placement;
using testing::placementOf;
using testing::shown;
using testing::usable;

enum class Layout { Built, Nmea, Modbus, Serial };

struct Expected {
    std::string name;
    const Widget* widget;
    Placement at;
    bool visible;
    bool enabled;
    bool inRows = false; // placed as its row of the register-set group (ExpectRowsLineUp), not at
};

std::vector<Expected> expectedPlaces(Layout layout) {
    const bool nmea = layout == Layout::Built || layout == Layout::Nmea;
    const bool serial = layout == Layout::Serial;
    const std::int32_t setsWidth = nmea ? 200 : layout == Layout::Modbus ? 540 : 480;
    // The baud and timeout groups: where the build put them, else right of the register-set group.
    const std::int32_t baudX = layout == Layout::Built ? 500 : 10 + setsWidth + 5;
    const MainForm& f = mainForm;
    const RegisterSetPanel& s = f.registerSets;
    const ControlOutputPanel& o = f.controlOutput;
    std::vector<Expected> e = {
        {"register sets", &s.group, {10, 10, setsWidth, 320}, true, !serial},
        {"address column", &s.addressColumn, {60, 10, 100, 305}, !nmea, !serial},
        {"command column", &s.commandColumn, {165, 10, 100, 305}, !nmea, !serial},
        {"start reg column", &s.startRegColumn, {270, 10, 100, 305}, !nmea, !serial},
        {"reg count column", &s.regCountColumn, {375, 10, 100, 305}, !nmea, !serial},
        {"address group", &f.identity.addressGroup, {10, 335, 150, 50}, true, true},
        {"address field", &f.identity.addressField, {25, 20, 100, 25}, true, true},
        {"main function", &f.mainFunction.group, {10, 395, 305, 110}, true, true},
        {"nmea radio", &f.mainFunction.nmeaRadio, {5, 15, 250, 30}, true, true},
        {"modbus radio", &f.mainFunction.modbusRadio, {5, 45, 250, 30}, true, true},
        {"serial radio", &f.mainFunction.serialRadio, {5, 75, 250, 30}, true, true},
        {"serial number group", &f.identity.serialNumberGroup, {165, 335, 150, 50}, true, true},
        {"serial number field", &f.identity.serialNumberField, {25, 20, 100, 25}, true, false},
        {"sentence id group", &f.sentence.sentenceIdGroup, {230, 10, 250, 60}, nmea, true},
        {"sentence id field", &f.sentence.sentenceIdField, {10, 25, 170, 25}, nmea, true},
        {"pick", &f.sentence.pickButton, {185, 25, 50, 25}, nmea, true},
        {"parameter select", &f.sentence.parameterGroup, {230, 80, 250, 250}, nmea, true},
        {"restart", &f.commands.restartButton, {330, 340, 150, 25}, true, true},
        {"test leds", &f.commands.testLedsButton, {330, 370, 150, 25}, true, true},
        {"clear config", &f.commands.clearConfigButton, {330, 415, 150, 25}, true, true},
        {"control output", &o.group, {500, 10, 250, 440}, nmea, true},
        {"monitored group", &o.monitoredGroup, {5, 25, 240, 60}, nmea, true},
        {"monitored field", &o.monitoredField, {35, 25, 170, 25}, nmea, true},
        {"threshold function", &o.thresholdFunctionGroup, {5, 95, 240, 60}, nmea, true},
        {"<", &o.thresholdFunctionRadio[0], {5, 25, 45, 25}, nmea, true},
        {">", &o.thresholdFunctionRadio[1], {60, 25, 45, 25}, nmea, true},
        {"=", &o.thresholdFunctionRadio[2], {115, 25, 45, 25}, false, false},
        {"<=", &o.thresholdFunctionRadio[3], {115, 25, 45, 25}, nmea, true},
        {">=", &o.thresholdFunctionRadio[4], {170, 25, 45, 25}, nmea, true},
        {"threshold group", &o.thresholdGroup, {5, 165, 240, 60}, nmea, true},
        {"threshold field", &o.thresholdField, {35, 25, 170, 25}, nmea, true},
        {"hysteresis group", &o.hysteresisGroup, {5, 235, 240, 60}, nmea, true},
        {"hysteresis field", &o.hysteresisField, {35, 25, 170, 25}, nmea, true},
        {"output state group", &o.outputStateGroup, {5, 305, 240, 60}, nmea, true},
        {"output state button", &o.outputStateButton, {60, 25, 120, 25}, nmea, true},
        {"reflect", &o.reflectBox, {5, 375, 240, 25}, nmea, true},
        {"enable averaging", &o.averagingBox, {5, 405, 240, 25}, nmea, true},
        {"averaging", &f.averaging.group, {755, 10, 290, 170}, nmea, false},
        {"period group", &f.averaging.periodGroup, {5, 25, 280, 60}, nmea, false},
        {"period field", &f.averaging.periodField, {55, 25, 170, 25}, nmea, false},
        {"sample rate group", &f.averaging.sampleRateGroup, {5, 95, 280, 60}, nmea, false},
        {"sample rate field", &f.averaging.sampleRateField, {55, 25, 170, 25}, nmea, false},
        {"read", &f.commands.readButton, {810, 580, 120, 25}, true, true},
        {"send", &f.commands.sendButton, {935, 580, 120, 25}, true, true},
        {"open", &f.commands.openButton, {810, 540, 120, 25}, true, true},
        {"save", &f.commands.saveButton, {935, 540, 120, 25}, true, true},
        {"status box", &f.status.box, {5, 515, 480, 55}, true, true},
        {"status line", &f.status.line, {10, 20, 460, 25}, true, true},
        {"comm port", &f.commPort.group, {755, 185, 290, 60}, true, true},
        {"port label", &f.commPort.portLabel, {15, 25, 100, 25}, true, true},
        {"rescan", &f.commPort.rescanButton, {140, 25, 120, 25}, true, true},
        {"converter state", &f.converterState.group, {755, 250, 300, 120}, true, true},
        {"baud group", &f.modbusSerial.baudGroup, {baudX, 10, 150, 150}, !nmea, true},
        {"timeout group", &f.modbusSerial.timeoutGroup, {baudX, 165, 150, 55}, !nmea, !serial},
        {"timeout field", &f.modbusSerial.timeoutField, {5, 20, 130, 25}, !nmea, !serial},
    };
    const std::int32_t lightX[] = {5, 5, 5, 5, 150, 150, 150, 150};
    const std::int32_t lightY[] = {20, 43, 66, 88, 20, 43, 66, 88};
    for (std::int32_t i = 0; i < indicatorLightCount; ++i)
        e.push_back({"light " + std::to_string(i),
                     &f.converterState.light[i],
                     {lightX[i], lightY[i], 140, 25},
                     i < indicatorLightCount - 1,
                     false});
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        const std::string row = std::to_string(k);
        e.push_back({"set radio " + row, &s.setRadio[k], {}, true, !serial, true});
        e.push_back({"PLT " + row, &s.pipelineButton[k], {}, true, !serial, true});
        for (const Widget* field : {&s.address[k], &s.command[k], &s.startReg[k], &s.regCount[k]})
            e.push_back({"table field " + row, field, {}, !nmea, !serial, true});
    }
    // Numbered down each of four columns: slot 1 top left, 8 bottom left, 9 top of the second column.
    const std::int32_t slotX[] = {25,  25,  25,  25,  25,  25,  25,  25,  75,  75,  75,
                                  75,  75,  75,  75,  75,  125, 125, 125, 125, 125, 125,
                                  125, 125, 175, 175, 175, 175, 175, 175, 175, 175};
    const std::int32_t slotY[] = {25, 50, 75, 100, 125, 150, 175, 200, 25, 50, 75, 100, 125, 150, 175, 200,
                                  25, 50, 75, 100, 125, 150, 175, 200, 25, 50, 75, 100, 125, 150, 175, 200};
    for (std::int32_t j = 0; j < parameterSlotCount; ++j)
        e.push_back(
            {"slot " + std::to_string(j + 1), &f.sentence.slot[j], {slotX[j], slotY[j], 50, 25}, nmea, true});
    for (std::int32_t i = 0; i < baudChoiceCount; ++i)
        e.push_back({"baud " + std::to_string(i),
                     &f.modbusSerial.baudRadio[i],
                     {5, 20 + 25 * i, 140, 25},
                     !nmea,
                     true});
    return e;
}

// What the user relies on in the register-set group: row k of the Modbus table stands level with the
// radio and the "PLT" button of register set k, each column's fields one below another, rows in order,
// none overlapping the next, all inside the group, and each field inside its column.
void ExpectRowsLineUp() {
    const RegisterSetPanel& s = mainForm.registerSets;
    const platform::Rect group = platform::windowRect(s.group.window);
    const Widget* columns[] = {&s.addressColumn, &s.commandColumn, &s.startRegColumn, &s.regCountColumn};
    const Widget* firstRow[] = {&s.address[0], &s.command[0], &s.startReg[0], &s.regCount[0]};
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        SCOPED_TRACE("row " + std::to_string(k));
        const platform::Rect radio = platform::windowRect(s.setRadio[k].window);
        const Widget* fields[] = {&s.address[k], &s.command[k], &s.startReg[k], &s.regCount[k]};
        EXPECT_EQ(platform::windowRect(s.pipelineButton[k].window).top, radio.top);
        for (std::int32_t c = 0; c < 4; ++c) {
            const platform::Rect field = platform::windowRect(fields[c]->window),
                                 column = platform::windowRect(columns[c]->window);
            EXPECT_EQ(field.top, radio.top) << c;
            EXPECT_EQ(field.left, platform::windowRect(firstRow[c]->window).left) << c;
            EXPECT_GE(field.left, column.left) << c;
            EXPECT_LE(field.right, column.right) << c;
            EXPECT_LE(field.bottom, column.bottom) << c;
        }
        EXPECT_GT(radio.top, group.top);
        EXPECT_LE(radio.bottom, group.bottom);
        if (k + 1 < registerSetCount) {
            EXPECT_GE(platform::windowRect(s.setRadio[k + 1].window).top, radio.bottom);
            EXPECT_GE(platform::windowRect(s.address[k + 1].window).top,
                      platform::windowRect(s.address[k].window).bottom);
        }
    }
}

void ExpectLayout(Layout layout) {
    ExpectRowsLineUp();
    for (const Expected& e : expectedPlaces(layout)) {
        SCOPED_TRACE(e.name);
        if (!e.inRows) {
            EXPECT_EQ(placementOf(*e.widget), e.at);
        }
        EXPECT_EQ(shown(*e.widget), e.visible);
        // "=" is hidden and disabled by its own flag; its window follows its group.
        if (e.widget == &mainForm.controlOutput.thresholdFunctionRadio[2])
            EXPECT_FALSE(e.widget->enabled);
        else
            EXPECT_EQ(usable(*e.widget), e.enabled);
    }
}

using FormLayoutTest = testing::StartedProgramTest;

TEST_F(FormLayoutTest, MainWindowIsCentredAtItsFixedSize) {
    const platform::Rect r = platform::windowRect(mainForm.window.window);
    const platform::Point screen = platform::screenSize();
    EXPECT_EQ(r.left, screen.x / 2 - 540);
    EXPECT_EQ(r.top, screen.y / 2 - 325);
    EXPECT_EQ(r.right - r.left, 1080);
    EXPECT_EQ(r.bottom - r.top, 650);
    char16_t buffer[200] = {};
    platform::windowText(mainForm.window.window, buffer, 200);
    const std::u16string title(buffer);
    EXPECT_EQ(title.rfind(u"ZOR-MX-410 Configuration Utility (V1.3)", 0), 0u);
    EXPECT_GT(title.size(), std::u16string(u"ZOR-MX-410 Configuration Utility (V1.3)").size());
}

TEST_F(FormLayoutTest, EachMainFunctionRadioRearrangesTheSameWidgets) {
    ExpectLayout(Layout::Built);
    EXPECT_EQ(SelectedMainFunction(), MainFunction::NmeaToSdi12);
    click(mainForm.commPort.rescanButton); // the scan stopped: no converter will answer

    click(mainForm.mainFunction.modbusRadio);
    EXPECT_EQ(SelectedMainFunction(), MainFunction::ModbusToSdi12);
    EXPECT_EQ(std::u16string(mainForm.registerSets.group.caption()), u"SDI12");
    EXPECT_EQ(std::u16string(mainForm.modbusSerial.baudGroup.caption()), u"Modbus Baud Rate");
    ExpectLayout(Layout::Modbus);

    click(mainForm.mainFunction.serialRadio);
    EXPECT_EQ(SelectedMainFunction(), MainFunction::Sdi12ToRs232);
    EXPECT_EQ(std::u16string(mainForm.modbusSerial.baudGroup.caption()), u"Serial Baud Rate");
    ExpectLayout(Layout::Serial);

    click(mainForm.mainFunction.nmeaRadio);
    EXPECT_EQ(SelectedMainFunction(), MainFunction::NmeaToSdi12);
    EXPECT_EQ(std::u16string(mainForm.registerSets.group.caption()), u"SDI12 Register Set Select");
    ExpectLayout(Layout::Nmea);
}

TEST_F(FormLayoutTest, TheLayoutOperationsLeaveTheRadiosAlone) {
    ApplyModbusLayout();
    EXPECT_EQ(SelectedMainFunction(), MainFunction::NmeaToSdi12);
    ExpectLayout(Layout::Modbus);
}

} // namespace
} // namespace zor
