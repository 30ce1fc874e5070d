// The form's handlers driven as a user drives them: clicks, typing, the pointer over the slots, Tab and
// the window frame, on the program's own main form. Headless only: virtual time runs the 300 ms and
// 500 ms timers, and the message boxes are answered by the script.
#include "form/form_model.h"
#include "form/main_function_layout.h"
#include "nmea/sentence_catalogue.h"
#include "nmea/sentence_picker.h"
#include "platform/dialogs.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_paths.h"
#include "platform/test_input.h"
#include "platform/window.h"
#include "support/program_fixture.h"

#include <climits>
#include <string>

namespace zor {
namespace {

using testing::click;
using testing::hover;
using testing::pressKey;
using testing::pumpFor;
using testing::pumpUntil;
using testing::usable;

std::u16string textOf(const Widget& w) {
    return w.caption();
}

// A press and release at a point of the widget's client area; the pointer goes there first.
void clickAt(Widget& w, std::int32_t x, std::int32_t y) {
    platform::testing::mouseMove(w.window, x, y);
    platform::testing::leftDown(w.window, x, y);
    platform::testing::leftUp(w.window, x, y);
    pumpFor(20);
}

// Into the field as a user types: a click elsewhere, a click into the field (which selects its whole
// text), then the characters; "\b" empties it.
void typeInto(Widget& field, const char16_t* text) {
    clickAt(mainForm.status.line, 5, 5);
    clickAt(field, 10, 12);
    ASSERT_EQ(platform::focusedWindow(), field.editWindow);
    platform::testing::typeText(text);
    pumpFor(20);
}

std::u16string statusLine() {
    return textOf(mainForm.status.line);
}

class FormBehaviourTest : public testing::StartedProgramTest {
  protected:
    // No converter is attached: the technician stops the scan, which would otherwise read a converter
    // it found over the form, and the form's changes are refused while it runs.
    void SetUp() override {
        StartedProgramTest::SetUp();
        click(mainForm.commPort.rescanButton);
    }

    ControlOutputPanel& output = mainForm.controlOutput;
    RegisterSetPanel& sets = mainForm.registerSets;
};

TEST_F(FormBehaviourTest, EachRegisterSetKeepsItsOwnValuesAndTheFieldsReloadOnSelection) {
    // The start texts.
    EXPECT_EQ(textOf(mainForm.averaging.periodField), u"0"); // not yet shown from the model
    EXPECT_EQ(textOf(mainForm.averaging.sampleRateField), u"0");
    EXPECT_EQ(textOf(output.monitoredField), u"0");
    EXPECT_EQ(textOf(mainForm.identity.addressField), u"0");
    EXPECT_EQ(textOf(mainForm.identity.serialNumberField), u"0000000");
    EXPECT_EQ(textOf(mainForm.modbusSerial.timeoutField), u"1000");
    EXPECT_EQ(textOf(output.monitoredGroup), u"Monitored Parameter");
    EXPECT_EQ(textOf(output.thresholdGroup), u"Threshold (switch ON level)");
    EXPECT_EQ(textOf(output.hysteresisGroup), u"Hysteresis (switch OFF level)");
    EXPECT_EQ(textOf(mainForm.averaging.periodGroup), u"Averaging Period (s)");
    EXPECT_EQ(textOf(mainForm.averaging.sampleRateGroup), u"Averaging Sample Rate (s)");
    // Nothing is stored while a field is typed into; leaving it takes the text into the record.
    typeInto(output.hysteresisField, u"0,25");
    EXPECT_FLOAT_EQ(formModel.hysteresis[0], 0.0f);
    typeInto(output.thresholdField, u"0.0000004");
    EXPECT_FLOAT_EQ(formModel.hysteresis[0], 0.25f);
    typeInto(output.monitoredField, u"12");
    EXPECT_FLOAT_EQ(formModel.threshold[0], 0.0000004f);
    click(mainForm.sentence.slot[2]);
    click(output.thresholdFunctionRadio[4]);
    EXPECT_EQ(formModel.parameterSelectMask[0], 4u);
    EXPECT_EQ(formModel.thresholdFunction[0], 4);
    EXPECT_FALSE(output.thresholdFunctionRadio[0].checked);

    click(sets.setRadio[1]);
    EXPECT_EQ(formModel.currentRegisterSet, 1);
    EXPECT_EQ(textOf(mainForm.sentence.sentenceIdField), u" -- undefined --");
    EXPECT_FALSE(mainForm.sentence.slot[2].checked);
    EXPECT_EQ(textOf(output.thresholdField), u"0.000000");
    EXPECT_TRUE(output.thresholdFunctionRadio[0].checked);
    EXPECT_FALSE(output.thresholdFunctionRadio[4].checked);
    EXPECT_EQ(textOf(mainForm.averaging.periodField), u"1");
    click(mainForm.sentence.slot[31]);
    EXPECT_EQ(formModel.parameterSelectMask[1], 0x80000000u);

    click(sets.setRadio[0]);
    EXPECT_EQ(textOf(mainForm.sentence.sentenceIdField), u"");
    EXPECT_TRUE(mainForm.sentence.slot[2].checked);
    EXPECT_FALSE(mainForm.sentence.slot[31].checked);
    EXPECT_TRUE(output.thresholdFunctionRadio[4].checked);
    EXPECT_EQ(textOf(output.monitoredField), u"12");
    EXPECT_EQ(textOf(output.hysteresisField), u"0.250000");
    // Shown with six decimals; showing is not typing, so the record keeps what was typed.
    EXPECT_EQ(textOf(output.thresholdField), u"0.000000");
    EXPECT_FLOAT_EQ(formModel.threshold[0], 0.0000004f);

    click(mainForm.sentence.slot[2]);
    EXPECT_EQ(formModel.parameterSelectMask[0], 0u);
    EXPECT_FALSE(mainForm.sentence.slot[2].checked);
}

TEST_F(FormBehaviourTest, ValuesFromAnImageOutsideTheirRangeShowWithoutReachingPastTheWidgets) {
    formModel.thresholdFunction[3] = 7;
    formModel.thresholdFunction[4] = -2;
    formModel.monitoredParameter[4] = INT_MIN;
    formModel.parameterSelectMask[4] = 0xFFFFFFFFu;
    click(sets.setRadio[3]);
    EXPECT_TRUE(output.thresholdFunctionRadio[0].checked);
    EXPECT_EQ(formModel.thresholdFunction[3], 0);
    click(sets.setRadio[4]);
    for (const Widget& radio : output.thresholdFunctionRadio)
        EXPECT_FALSE(radio.checked);
    EXPECT_EQ(formModel.thresholdFunction[4], -2);
    for (const Widget& slot : mainForm.sentence.slot)
        EXPECT_TRUE(slot.checked);
    EXPECT_EQ(textOf(output.monitoredField), u"-2147483648");
}

TEST_F(FormBehaviourTest, PointingAtASlotDescribesItsParameterUntilThePointerLeavesTheGroup) {
    sentenceCatalogue.entries[0].id.assign(u"GPGGA");
    sentenceCatalogue.entries[0].parameters[1].assign(u"Latitude");
    typeInto(mainForm.sentence.sentenceIdField, u"GPGGA");
    click(mainForm.status.line); // the field left: the identifier enters the record
    EXPECT_EQ(std::u16string(formModel.sentenceId[0].c_str()), u"GPGGA");
    Widget& group = mainForm.sentence.parameterGroup;

    hover(mainForm.sentence.slot[1]);
    EXPECT_EQ(textOf(mainForm.status.box), u"Parameter Information");
    EXPECT_EQ(statusLine(), u"Latitude");
    hover(mainForm.sentence.slot[20]);
    EXPECT_EQ(statusLine(), u"Parameter Undefined");

    // From the group's empty corner onto a slot: the group is left, and its timer resets the status
    // once, unless the pointer moves on over the slot.
    platform::testing::mouseMove(group.window, 240, 240);
    pumpFor(20);
    hover(mainForm.sentence.slot[1]);
    platform::testing::mouseMove(mainForm.sentence.slot[1].window, 12, 12);
    pumpFor(600);
    EXPECT_EQ(statusLine(), u"Latitude");

    platform::testing::mouseMove(group.window, 240, 240);
    pumpFor(20);
    hover(mainForm.sentence.slot[1]);
    EXPECT_EQ(statusLine(), u"Latitude");
    pumpFor(600);
    EXPECT_EQ(textOf(mainForm.status.box), u"Status");
    EXPECT_EQ(statusLine(), u"");
    // Once only: what an exchange writes later stays.
    mainForm.status.line.setText(u"326 bytes received OK");
    pumpFor(1200);
    EXPECT_EQ(statusLine(), u"326 bytes received OK");
}

TEST_F(FormBehaviourTest, AveragingFollowsItsBoxAndItsRulesWarnAndCorrectTheField) {
    formModel.averagingBufferLength = 10; // as a received image sets it
    Widget& period = mainForm.averaging.periodField;
    Widget& rate = mainForm.averaging.sampleRateField;
    click(output.averagingBox);
    EXPECT_EQ(formModel.averagingEnabled(), 1);
    EXPECT_TRUE(usable(period));

    typeInto(rate, u"2");
    typeInto(period, u"30");
    // No warning while the number is typed ("3" on the way to "30"): Enter ends it.
    EXPECT_TRUE(platform::headless::shownBoxes().empty());
    pressKey(platform::key::Enter);
    ASSERT_EQ(platform::headless::shownBoxes().size(), 1u);
    const platform::headless::ShownBox& box = platform::headless::shownBoxes()[0];
    EXPECT_EQ(box.owner, mainForm.window.window);
    EXPECT_EQ(box.caption, u"Averaging Period");
    EXPECT_EQ(box.text, u"Averaging Period Exceeded Buffer Length.\n\rReduced averaging period to suit");
    EXPECT_EQ(box.flags, platform::box::IconWarning);
    EXPECT_EQ(textOf(period), u"20");
    EXPECT_EQ(formModel.averagingPeriod, 20);
    // Leaving the field ends it too.
    typeInto(period, u"26");
    EXPECT_EQ(platform::headless::shownBoxes().size(), 1u);
    typeInto(rate, u"2");
    ASSERT_EQ(platform::headless::shownBoxes().size(), 2u);
    EXPECT_EQ(textOf(period), u"20");

    // A text the rules refuse: the box names the field and its range when the field is left, the focus
    // goes back to it and the record keeps its value; an emptied field is refused the same way.
    for (const char16_t* refused : {u"-5", u"\b", u"12abc"}) {
        const std::size_t boxes = platform::headless::shownBoxes().size();
        typeInto(period, refused);
        clickAt(mainForm.status.line, 5, 5);
        ASSERT_EQ(platform::headless::shownBoxes().size(), boxes + 1);
        EXPECT_EQ(platform::headless::shownBoxes().back().text,
                  u"\"Averaging Period (s)\" must be a whole number from 1 to 2147483647");
        EXPECT_EQ(platform::focusedWindow(), period.editWindow);
        EXPECT_EQ(formModel.averagingPeriod, 20);
        typeInto(period, u"20");
    }

    click(output.averagingBox);
    EXPECT_EQ(formModel.averagingEnabled(), 0);
    EXPECT_FALSE(usable(period));
}

TEST_F(FormBehaviourTest, OutputStateReflectAddressSerialNumberAndBaud) {
    click(output.outputStateButton);
    EXPECT_EQ(textOf(output.outputStateButton), u"OFF");
    EXPECT_EQ(formModel.triggeredOutputOn, 0);
    click(output.outputStateButton);
    EXPECT_EQ(textOf(output.outputStateButton), u"ON");
    EXPECT_EQ(formModel.triggeredOutputOn, 1);
    click(output.reflectBox);
    EXPECT_EQ(formModel.reflectOutputInLed, 1);
    click(output.reflectBox);
    EXPECT_EQ(formModel.reflectOutputInLed, 0);

    typeInto(mainForm.identity.addressField, u"\b");
    EXPECT_EQ(statusLine(), u"SDI12 address must be 1 character");
    typeInto(mainForm.identity.addressField, u"12");
    EXPECT_EQ(statusLine(), u"SDI12 address must be 1 character");
    typeInto(mainForm.identity.addressField, u" ");
    EXPECT_EQ(statusLine(), u"SDI12 address must be one of 0-9, A-Z, a-z");
    typeInto(mainForm.identity.addressField, u"7");
    EXPECT_EQ(statusLine(), u"");

    // Without the "service" marker the serial number takes no input.
    EXPECT_FALSE(usable(mainForm.identity.serialNumberField));

    click(mainForm.mainFunction.modbusRadio);
    EXPECT_TRUE(mainForm.modbusSerial.baudRadio[3].checked); // 9600 at start
    click(mainForm.modbusSerial.baudRadio[4]);
    EXPECT_EQ(formModel.modbusBaudIndex, 5);
    EXPECT_FALSE(mainForm.modbusSerial.baudRadio[3].checked);
    typeInto(mainForm.modbusSerial.timeoutField, u"2x5");
    EXPECT_EQ(textOf(mainForm.modbusSerial.timeoutField), u"25");
}

TEST_F(FormBehaviourTest, TheServiceMarkerBesideTheProgramUnlocksTheSerialNumber) {
    // In a folder whose name the ANSI code page cannot write.
    platform::headless::setModulePath(u"C:\\Склад-Ω\\ZOR-MX-410.exe");
    platform::headless::setFileExists(u"C:\\Склад-Ω\\service", true);
    restartProgram();
    // The scan (no port here) ends at once and says so in the status line, which the checks below use.
    ASSERT_TRUE(pumpUntil([] { return mainForm.commPort.rescanButton.tag == 0; }));
    Widget& serial = mainForm.identity.serialNumberField;
    EXPECT_TRUE(usable(serial));
    typeInto(serial, u"1234567");
    EXPECT_EQ(statusLine(), u"Serial# must be 8 characters");
    typeInto(serial, u"12345678");
    EXPECT_EQ(statusLine(), u"Serial# OK");
    // OK only for what "Send Settings" accepts.
    typeInto(serial, u"123456789");
    EXPECT_EQ(statusLine(), u"Serial# must be 8 characters");
    typeInto(serial, u"\u20AC1234567");
    EXPECT_EQ(statusLine(), u"Serial# character out of range");
}

TEST_F(FormBehaviourTest, ClearConfigEmptiesSentencesSlotsAndTheTableOnly) {
    typeInto(mainForm.sentence.sentenceIdField, u"GPRMC");
    typeInto(output.thresholdField, u"2.5");
    typeInto(output.monitoredField, u"3");
    click(mainForm.sentence.slot[5]);
    formModel.parameterSelectMask[9] = 7;
    click(mainForm.commands.clearConfigButton);
    EXPECT_FALSE(mainForm.sentence.slot[5].checked);
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        EXPECT_EQ(formModel.sentenceId[k].length(), 0);
        EXPECT_EQ(formModel.parameterSelectMask[k], 0u);
        EXPECT_EQ(formModel.monitoredParameter[k], 0);
        EXPECT_EQ(textOf(sets.address[k]), u"1");
        EXPECT_EQ(textOf(sets.command[k]), u"0");
        EXPECT_EQ(textOf(sets.startReg[k]), u"0");
        EXPECT_EQ(textOf(sets.regCount[k]), u"0");
    }
    EXPECT_EQ(textOf(mainForm.sentence.sentenceIdField), u"");
    EXPECT_EQ(textOf(output.monitoredField), u"0");
    EXPECT_EQ(textOf(mainForm.identity.serialNumberField), u"");
    EXPECT_EQ(statusLine(), u"Serial# must be 8 characters");
    EXPECT_FLOAT_EQ(formModel.threshold[0], 2.5f);
}

TEST_F(FormBehaviourTest, PipelinePresetFillsItsRowOnlyAndLeavesTheFocusOnTheAddress) {
    // In the NMEA layout the buttons are clipped away: the pointer at one's place reaches another widget.
    platform::testing::mouseMove(sets.pipelineButton[2].window, 20, 12);
    pumpFor(20);
    EXPECT_FALSE(sets.pipelineButton[2].mouseInside);

    click(mainForm.mainFunction.modbusRadio);
    hover(sets.pipelineButton[2]);
    EXPECT_EQ(statusLine(), u"Pipe Line Temperature Setup 2");
    typeInto(sets.address[7], u"9");
    for (int round = 0; round < 2; ++round) {
        click(sets.pipelineButton[7]);
        ASSERT_EQ(platform::headless::shownBoxes().size(), static_cast<std::size_t>(round + 1));
        const platform::headless::ShownBox& box = platform::headless::shownBoxes().back();
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_EQ(box.flags, platform::box::Ok);
        EXPECT_EQ(box.caption, u"Pipeline Temperature Monitor Setup");
        EXPECT_EQ(box.text, u"Pipe line temperature probe has been set up for\r\nSDI-12 register set 7.\r\n"
                            u"You must also set the Modbus address for this probe.");
        EXPECT_EQ(platform::focusedWindow(), sets.address[7].editWindow);
    }
    EXPECT_EQ(textOf(sets.address[7]), u"9");
    EXPECT_EQ(textOf(sets.command[7]), u"4");
    EXPECT_EQ(textOf(sets.startReg[7]), u"2");
    EXPECT_EQ(textOf(sets.regCount[7]), u"2");
    EXPECT_EQ(textOf(sets.command[6]), u"");
    EXPECT_EQ(textOf(sets.command[8]), u"");
}

// Tab goes through every field and button in reading order, passing over what the layout hides or
// takes out of use, from the last back to the first; Shift+Tab goes back. What is typed after a Tab
// lands in the next field, and Space or Enter presses the button Tab reached.
TEST_F(FormBehaviourTest, TabGoesThroughEveryFieldAndButtonInReadingOrder) {
    const auto focusedOn = [](const Widget& w) {
        return platform::focusedWindow() == (w.editWindow != nullptr ? w.editWindow : w.window);
    };
    const auto walk = [&](Widget& from, std::initializer_list<Widget*> expected) {
        click(from);
        std::int32_t step = 0;
        for (Widget* next : expected) {
            testing::pressKey(platform::key::Tab);
            ++step;
            EXPECT_TRUE(focusedOn(*next)) << "Tab " << step;
        }
    };
    ControlOutputPanel& out = mainForm.controlOutput;
    CommandPanel& commands = mainForm.commands;
    // Out of use, the averaging fields are passed over; in use, Tab stops at them.
    ASSERT_FALSE(usable(mainForm.averaging.periodField));
    click(out.averagingBox);
    ASSERT_TRUE(usable(mainForm.averaging.periodField));
    walk(mainForm.identity.addressField,
         {&commands.restartButton, &commands.testLedsButton, &commands.clearConfigButton, &out.monitoredField,
          &out.thresholdField, &out.hysteresisField, &out.outputStateButton, &mainForm.averaging.periodField,
          &mainForm.averaging.sampleRateField, &mainForm.commPort.rescanButton, &commands.openButton,
          &commands.saveButton, &commands.readButton, &commands.sendButton,
          &mainForm.sentence.sentenceIdField, &mainForm.sentence.pickButton,
          &mainForm.identity.addressField});
    platform::testing::setShift(true);
    testing::pressKey(platform::key::Tab);
    platform::testing::setShift(false);
    EXPECT_TRUE(focusedOn(mainForm.sentence.pickButton));

    // "2", Tab, "7": two fields, not "27" in one.
    click(out.monitoredField);
    platform::testing::typeText(u"2");
    testing::pressKey(platform::key::Tab);
    platform::testing::typeText(u"7");
    testing::pumpPending();
    EXPECT_EQ(textOf(out.monitoredField), u"2");
    EXPECT_EQ(textOf(out.thresholdField), u"7");
    testing::pressKey(platform::key::Tab);
    testing::pressKey(platform::key::Tab);
    ASSERT_TRUE(focusedOn(out.outputStateButton));
    const std::u16string state = textOf(out.outputStateButton);
    testing::pressKey(platform::key::Space);
    EXPECT_NE(textOf(out.outputStateButton), state);
    testing::pressKey(platform::key::Enter);
    EXPECT_EQ(textOf(out.outputStateButton), state);

    click(mainForm.mainFunction.modbusRadio);
    walk(sets.address[0],
         {&sets.command[0], &sets.startReg[0], &sets.regCount[0], &sets.pipelineButton[0], &sets.address[1]});
    walk(sets.regCount[9],
         {&sets.pipelineButton[9], &mainForm.modbusSerial.timeoutField, &mainForm.identity.addressField});
}

TEST_F(FormBehaviourTest, ConverterFaultsTurnTheirLightsRedAndBlinking) {
    Widget* lights = mainForm.converterState.light;
    formModel.converterStateFlags = 0b101; // as a received image sets it
    click(sets.setRadio[0]);
    EXPECT_EQ(lights[0].ctsd, 0xFFFF0000u);
    EXPECT_EQ(lights[1].ctsd, 0xFF008000u);
    EXPECT_EQ(lights[2].ctsd, 0xFFFF0000u);
    EXPECT_FALSE(usable(output.thresholdField));
    pumpUntil([&] { return lights[0].ctsd != 0xFFFF0000u; }, 400);
    EXPECT_EQ(lights[0].ctsd, mainForm.commPort.group.ctbg);
    EXPECT_EQ(lights[1].ctsd, 0xFF008000u);
    pumpUntil([&] { return lights[0].ctsd == 0xFFFF0000u; }, 400);
    EXPECT_EQ(lights[2].ctsd, 0xFFFF0000u);

    formModel.converterStateFlags = 0;
    click(sets.setRadio[1]);
    EXPECT_TRUE(usable(output.thresholdField));
    pumpFor(350);
    EXPECT_EQ(lights[0].ctsd, 0xFF008000u);
}

// The picker's windows wait until the form has painted; a "Pick" that comes sooner makes them itself.
using FormAtStartTest = testing::StartedProgramTest;

TEST_F(FormAtStartTest, ThePickerIsMadeAfterTheFirstPaintOrByAnEarlierPick) {
    EXPECT_TRUE(mainForm.commands.readButton.paintedOnScreen); // the form has painted
    EXPECT_EQ(pickerWindow.window, nullptr);
    click(mainForm.sentence.pickButton);
    ASSERT_TRUE(usable(sentencePicker.okButton));
    EXPECT_TRUE(platform::isWindowVisible(pickerWindow.window));
    pumpFor(50); // the tick that would have made it finds it made
    EXPECT_TRUE(usable(sentencePicker.okButton));
}

TEST_F(FormBehaviourTest, WindowSpringsBackAfterAResizeAndPickOpensThePicker) {
    const platform::Rect before = platform::windowRect(mainForm.window.window);
    platform::testing::userResize(mainForm.window.window, 700, 400);
    pumpFor(50);
    const platform::Rect after = platform::windowRect(mainForm.window.window);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right - after.left, 1080);
    EXPECT_EQ(after.bottom - after.top, 650);

    EXPECT_FALSE(platform::isWindowVisible(pickerWindow.window));
    click(mainForm.sentence.pickButton);
    EXPECT_TRUE(platform::isWindowVisible(pickerWindow.window));
    EXPECT_FALSE(platform::isWindowEnabled(mainForm.window.window));
}

} // namespace
} // namespace zor
