// "Send Settings", "Save Config" and "Open Config" for the three main functions, "Restart Converter"
// and "Test LEDs": the bytes the converter or the file receives, the checks' boxes, and the form after
// a file is opened.

#include "form/form_model.h"
#include "image/byte_order.h"
#include "nmea/sentence_picker.h"
#include "platform/dialogs.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_paths.h"
#include "platform/headless/headless_port.h"
#include "platform/test_input.h"
#include "platform/window.h"
#include "support/headless/machine.h"
#include "support/program_fixture.h"
#include "support/random_nmea_image.h"
#include "toolkit/decimal_text.h"
#include "toolkit/paths.h"

#include <functional>
#include <optional>

namespace zor {
namespace {

using namespace platform::headless;
using ExchangeTest = testing::ProgramTest;
using testing::boxCount;
using testing::click;
using testing::connectedTo;
using testing::converterOn;
using testing::enterText;
using testing::lastBoxText;
using testing::sendSettings;
using testing::textOf;
using Bytes = std::vector<std::uint8_t>;

struct FunctionCase {
    sim::Function function;
    const char16_t* written;
    // One field edit the checks refuse, and the box it gives.
    Widget* field;
    const char16_t* refusedText;
    const char16_t* refusal;
};

class SendAndFiles : public ExchangeTest {
  protected:
    // Connected to a converter on COM1 whose settings are in the form.
    testing::ConverterDevice& connectedConverter(sim::Function function) {
        testing::ConverterDevice& converter = converterOn(1);
        converter.model.setFunction(function);
        startProgram();
        EXPECT_TRUE(connectedTo(1));
        return converter;
    }
    void save(const std::u16string& path) {
        answerNextFileDialog(path);
        click(mainForm.commands.saveButton);
    }
    void open(const std::u16string& path) {
        answerNextFileDialog(path);
        click(mainForm.commands.openButton);
    }
};

std::vector<FunctionCase> cases() {
    return {
        {sim::Function::Nmea, u"326 bytes written", &mainForm.identity.serialNumberField, u"ZS41000",
         u"Serial# must be 8 characters"},
        {sim::Function::Modbus, u"80 bytes written", &mainForm.identity.addressField, u"12",
         u"SDI12 address can only be 1 character"},
        {sim::Function::Serial, u"18 bytes written", &mainForm.identity.addressField, u" ",
         u"SDI12 address must be one of 0-9, A-Z, a-z"},
    };
}

TEST_F(SendAndFiles, EachImageIsSentAsTheConverterGaveItAndRefusedByItsCheck) {
    for (const FunctionCase& c : cases()) {
        SCOPED_TRACE(static_cast<int>(c.function));
        TearDown();
        SetUp();
        testing::ConverterDevice& converter = connectedConverter(c.function);
        const Bytes kept = converter.model.image(c.function);
        sendSettings();
        EXPECT_EQ(textOf(mainForm.status.line), c.written);
        EXPECT_EQ(converter.model.counters().imagesAccepted, 1u);
        EXPECT_EQ(converter.model.image(c.function), kept);

        const std::u16string before = textOf(*c.field);
        enterText(*c.field, c.refusedText);
        sendSettings();
        EXPECT_EQ(lastBoxText(), c.refusal);
        EXPECT_EQ(converter.model.counters().imagesAccepted, 1u);
        enterText(*c.field, before);
    }
}

// What the user typed is sent as typed or refused in a box that names the field, its place and the
// range; nothing is sent on a refusal. The averaging check still due runs before anything is sent.
TEST_F(SendAndFiles, TypedNumbersAreSentAsTypedOrRefusedWithTheirPlaceAndRange) {
    testing::ConverterDevice& converter = connectedConverter(sim::Function::Nmea);
    ControlOutputPanel& output = mainForm.controlOutput;
    struct Refusal {
        Widget* field;
        const char16_t* typed;
        const char16_t* box;
    };
    const Refusal refusals[] = {
        {&output.thresholdField, u"12.5x",
         u"\"Threshold (switch ON level)\" of register set 0 must be a number from -21474836.48 to "
         u"21474836.47"},
        {&output.hysteresisField, u"3e9",
         u"\"Hysteresis (switch OFF level)\" of register set 0 must be a number from -21474836.48 to "
         u"21474836.47"},
        // Texts a number only starts: the model would hold the number and send it, so only the
        // field's own check refuses them.
        {&output.hysteresisField, u"0.5x",
         u"\"Hysteresis (switch OFF level)\" of register set 0 must be a number from -21474836.48 to "
         u"21474836.47"},
        {&output.monitoredField, u"3x",
         u"\"Monitored Parameter\" of register set 0 must be a whole number from 0 to 32"},
        {&output.monitoredField, u"99999999999",
         u"\"Monitored Parameter\" of register set 0 must be a whole number from 0 to 32"},
        {&output.monitoredField, u"-3",
         u"\"Monitored Parameter\" of register set 0 must be a whole number from 0 to 32"},
        {&output.monitoredField, u"33",
         u"\"Monitored Parameter\" of register set 0 must be a whole number from 0 to 32"},
        {&mainForm.averaging.periodField, u"-5",
         u"\"Averaging Period (s)\" must be a whole number from 1 to 2147483647"},
        {&mainForm.sentence.sentenceIdField, u"GPGGAXY", u"NMEA ID can be at most 6 characters"},
        {&mainForm.averaging.sampleRateField, u"2s",
         u"\"Averaging Sample Rate (s)\" must be a whole number from 1 to 2147483647"},
    };
    for (const Refusal& r : refusals) {
        const std::u16string before = textOf(*r.field);
        enterText(*r.field, r.typed);
        const std::size_t boxes = boxCount();
        sendSettings();
        ASSERT_EQ(boxCount(), boxes + 1) << std::string(r.typed, r.typed + 3);
        const ShownBox& box = shownBoxes().back();
        EXPECT_EQ(box.text, r.box);
        EXPECT_EQ(box.caption, u"Error");
        EXPECT_EQ(box.owner, mainForm.window.window);
        EXPECT_EQ(converter.model.counters().imagesAccepted, 0u);
        enterText(*r.field, before);
    }

    // A comma reads as the decimal point; a period beyond the buffer (60 samples of 10 s) is reduced,
    // with its warning, before the image goes out.
    enterText(output.thresholdField, u" 12,5 ");
    enterText(mainForm.averaging.periodField, u"700");
    const std::size_t boxes = boxCount();
    sendSettings();
    ASSERT_EQ(boxCount(), boxes + 1);
    EXPECT_EQ(shownBoxes().back().caption, u"Averaging Period");
    EXPECT_EQ(textOf(mainForm.averaging.periodField), u"600");
    EXPECT_EQ(textOf(mainForm.status.line), u"326 bytes written");
    const Bytes& sent = converter.model.image(sim::Function::Nmea);
    EXPECT_EQ(ReadI32(sent.data() + 158), 1250); // two decimals
    EXPECT_EQ(ReadI32(sent.data() + 294), 60);

    // A Modbus cell its 16 bits cannot carry.
    click(mainForm.mainFunction.modbusRadio);
    enterText(mainForm.registerSets.regCount[2], u"70000");
    sendSettings();
    EXPECT_EQ(lastBoxText(), u"\"Reg Count\" in row 2 must be a whole number from 0 to 65535");
    EXPECT_EQ(converter.model.counters().imagesAccepted, 1u);
}

// A converter with arbitrary settings the form can hold: read by the scan, every register set shown by
// its radio (the fields' handlers store their texts back, as the user sees them), then sent: the
// converter gets its own image back, byte for byte.
TEST_F(SendAndFiles, AConverterReadAndSentBackUnchangedKeepsItsSettings) {
    std::mt19937 random(410);
    for (std::int32_t round = 0; round < 25; ++round) {
        SCOPED_TRACE(round);
        TearDown();
        SetUp();
        const ConfigImage settings = testing::randomNmeaImage(random);
        const Bytes bytes(settings.bytes.begin(), settings.bytes.begin() + settings.length);
        testing::ConverterDevice& converter = converterOn(1);
        ASSERT_EQ(converter.model.loadImage(bytes), "");
        startProgram();
        ASSERT_TRUE(connectedTo(1));
        const Bytes replied = converter.model.reply(); // with the converter's own state word and firmware
        for (std::int32_t k = registerSetCount - 1; k >= 0; --k)
            click(mainForm.registerSets.setRadio[k]);
        sendSettings();
        ASSERT_EQ(textOf(mainForm.status.line), u"326 bytes written");
        const Bytes& kept = converter.model.image(sim::Function::Nmea);
        ASSERT_EQ(kept.size(), replied.size());
        for (std::size_t i = 0; i < replied.size(); ++i)
            ASSERT_EQ(kept[i], replied[i]) << "offset " << i;
    }
}

TEST_F(SendAndFiles, SendWithoutAPortReportsTheInvalidHandle) {
    startProgram();
    click(mainForm.commPort.rescanButton); // "Stop Scanning": no port is open
    enterText(mainForm.identity.serialNumberField, u"ZS410001");
    sendSettings();
    EXPECT_EQ(textOf(mainForm.status.line), u"Error 6 (serial write failed)");
}

TEST_F(SendAndFiles, SavedFilesOfEveryMainFunctionOpenAgain) {
    for (const FunctionCase& c : cases()) {
        SCOPED_TRACE(static_cast<int>(c.function));
        TearDown();
        SetUp();
        testing::ConverterDevice& converter = connectedConverter(c.function);
        const std::u16string path = u"C:\\SETTINGS\\SAVED.CFG";
        save(path);
        EXPECT_EQ(textOf(mainForm.status.line), c.written);
        ASSERT_TRUE(fileContents(path));
        EXPECT_EQ(*fileContents(path), converter.model.image(c.function));

        // The form changed, then the file opened.
        click(mainForm.commands.clearConfigButton);
        enterText(mainForm.identity.addressField, u"7");
        click(mainForm.modbusSerial.baudRadio[0]);
        click(mainForm.mainFunction.nmeaRadio);
        click(mainForm.registerSets.setRadio[5]); // a file shows register set 0 again
        open(path);
        const Bytes& image = converter.model.image(c.function);
        EXPECT_EQ(textOf(mainForm.identity.addressField), u"0");
        EXPECT_EQ(textOf(mainForm.identity.serialNumberField), u""); // never taken from a file
        switch (c.function) {
        case sim::Function::Nmea:
            EXPECT_EQ(textOf(mainForm.status.line), u"326 bytes received OK");
            EXPECT_EQ(textOf(mainForm.sentence.sentenceIdField), u"GPGGA");
            break;
        case sim::Function::Modbus:
            EXPECT_EQ(textOf(mainForm.status.line), u"80 bytes received OK");
            EXPECT_TRUE(mainForm.mainFunction.modbusRadio.checked);
            EXPECT_EQ(textOf(mainForm.registerSets.address[0]), DecimalText(image[14]));
            EXPECT_TRUE(mainForm.modbusSerial.baudRadio[image[76] - 1].checked);
            break;
        case sim::Function::Serial:
            // An 18-byte file applies its address and baud and switches the form.
            EXPECT_EQ(textOf(mainForm.status.line), u"18 bytes received OK");
            EXPECT_TRUE(mainForm.mainFunction.serialRadio.checked);
            EXPECT_TRUE(mainForm.modbusSerial.baudRadio[image[6] - 1].checked);
            break;
        }
    }
}

// A file a send would refuse is not opened: the box names its first refused value. Averaging switched
// off is not held to the buffer.
TEST_F(SendAndFiles, AFileASendWouldRefuseIsNotOpened) {
    startProgram();
    const std::u16string period = u"\"Averaging Period (s)\" must be a whole number from 10 to 600";
    struct Case {
        sim::Function function;
        std::vector<std::pair<std::size_t, Bytes>> changes; // bytes written over the converter's image
        std::u16string box;                                 // empty: the file opens
    };
    const Case cases[] = {
        {sim::Function::Modbus, {{5, {'#'}}}, u"SDI12 address must be one of 0-9, A-Z, a-z"},
        {sim::Function::Nmea,
         {{286, {0, 0, 0, 0}}},
         u"\"Averaging Sample Rate (s)\" must be a whole number from 1 to 2147483647"},
        {sim::Function::Nmea,
         {{294, {0, 0, 0, 0}}},
         u"\"Averaging Sample Rate (s)\" must be no longer than \"Averaging Period (s)\" (at least one "
         u"sample)"},                                                   // averaging on, no sample
        {sim::Function::Nmea, {{294, {61, 0, 0, 0}}}, period},          // one more than the buffer
        {sim::Function::Nmea, {{294, {61, 0, 0, 0}}, {302, {0}}}, u""}, // the same, averaging off
    };
    for (const Case& c : cases) {
        Bytes file = sim::ConverterModel().image(c.function);
        for (const auto& [at, bytes] : c.changes)
            std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
        putFile(u"C:\\SITE.CFG", file);
        const std::size_t boxes = boxCount();
        open(u"C:\\SITE.CFG");
        EXPECT_EQ(boxCount() > boxes ? lastBoxText() : u"", c.box);
        EXPECT_EQ(textOf(mainForm.status.line),
                  c.box.empty() ? u"326 bytes received OK" : u"Configuration file refused");
    }
}

TEST_F(SendAndFiles, EighteenByteFileAppliesItsAddressAndBaud) {
    startProgram();
    const std::u16string path = u"C:\\SERIAL.CFG";
    putFile(path,
            Bytes{'~', 'Z', 'O', 'R', '3', 'Q', 2, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'E', 'N', 'D'});
    open(path);
    EXPECT_EQ(textOf(mainForm.status.line), u"18 bytes received OK");
    EXPECT_EQ(textOf(mainForm.identity.addressField), u"Q");
    EXPECT_TRUE(mainForm.modbusSerial.baudRadio[1].checked);
    EXPECT_FALSE(mainForm.modbusSerial.baudRadio[3].checked);
    EXPECT_TRUE(mainForm.mainFunction.serialRadio.checked);
}

TEST_F(SendAndFiles, AFailedSaveLeavesTheOldFileAsItWas) {
    connectedConverter(sim::Function::Nmea);
    const std::u16string path = u"C:\\KEEP.CFG";
    const Bytes old = {'o', 'l', 'd'};
    putFile(path, old);
    failFileOperation(path + u".TMP", FileOperation::Write, 112);
    save(path);
    EXPECT_EQ(textOf(mainForm.status.line), u"File Write Error 112");
    EXPECT_EQ(*fileContents(path), old);
    EXPECT_FALSE(fileContents(path + u".TMP"));
    EXPECT_TRUE(testing::portOpen(1)); // the port connection is not affected

    enterText(mainForm.identity.addressField, u"");
    const std::size_t boxes = boxCount();
    save(path);
    EXPECT_EQ(boxCount(), boxes + 1);
    EXPECT_EQ(lastBoxText(), u"SDI12 address must be one of 0-9, A-Z, a-z");
    EXPECT_EQ(*fileContents(path), old);
}

// Files that can be read but not written, or that another program reads meanwhile, open: settings and
// firmware alike. One that another program writes and shares with nobody is refused.
TEST_F(SendAndFiles, FilesThatCanOnlyBeReadOpen) {
    const Bytes serialFile = {'~', 'Z', 'O', 'R', '3', 'Q', 2,   'A', 'B',
                              'C', 'D', 'E', 'F', 'G', 'H', 'E', 'N', 'D'};
    struct Case {
        const char16_t* path;
        bool readOnly;
        std::optional<OtherOpening> elsewhere;
        const char16_t* outcome; // the status line, or the caption of the box shown
    };
    const Case cases[] = {
        {u"C:\\PROTECTED\\SITE.CFG", true, std::nullopt, u"18 bytes received OK"},
        {u"C:\\SHARED\\SITE.CFG", false, OtherOpening{}, u"18 bytes received OK"},
        {u"E:\\VENDOR\\ZOR410.BINARY", true, std::nullopt, u"Firmware Update Warning"},
        {u"C:\\SHARED\\ZOR410.BINARY", false, OtherOpening{}, u"Firmware Update Warning"},
        {u"C:\\LOCKED\\SITE.CFG", false, OtherOpening{true, false, false}, u"Error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path, c.path + std::char_traits<char16_t>::length(c.path)));
        TearDown();
        SetUp();
        startProgram();
        putFile(c.path, serialFile);
        setFileReadOnly(c.path, c.readOnly);
        std::uint64_t held = 0;
        if (c.elsewhere) {
            held = openElsewhere(c.path, *c.elsewhere);
            ASSERT_NE(held, 0u);
        }
        const std::size_t boxes = boxCount();
        platform::testing::answerNextBoxes({platform::box::AnswerCancel});
        open(c.path);
        const std::u16string outcome =
            boxCount() > boxes ? shownBoxes().back().caption : textOf(mainForm.status.line);
        EXPECT_EQ(outcome, c.outcome);
        EXPECT_EQ(*fileContents(c.path), serialFile);
        closeElsewhere(c.path, held);
    }
}

// Saving over a file asks first (the save dialog's own question): "No" keeps the file as it was. A save
// or open that fails says why after "Handle Invalid": a locked file reads apart from a missing folder.
TEST_F(SendAndFiles, SavingOverAFileAsksFirstAndFailuresSayWhy) {
    connectedConverter(sim::Function::Nmea);
    const std::u16string path = u"C:\\SITE.CFG";
    const Bytes old = {'o', 'l', 'd'};
    putFile(path, old);
    answerNextFileDialog(path, 0, false);
    click(mainForm.commands.saveButton);
    EXPECT_TRUE(fileDialogsShown().back().overwriteAsked);
    EXPECT_EQ(*fileContents(path), old);
    save(path);
    EXPECT_EQ(fileContents(path)->size(), 326u);
    save(u"C:\\NEW.CFG");
    EXPECT_FALSE(fileDialogsShown().back().overwriteAsked);

    const std::u16string handleInvalid = u"Handle Invalid\r\n";
    failFileOperation(u"C:\\GONE\\SITE.CFG.TMP", FileOperation::Create, platform::error::PathNotFound);
    save(u"C:\\GONE\\SITE.CFG");
    EXPECT_EQ(lastBoxText(), handleInvalid + u"The system cannot find the path specified.");
    const std::uint64_t held = openElsewhere(path, OtherOpening{true, false, false});
    save(path);
    EXPECT_EQ(lastBoxText(),
              handleInvalid +
                  u"The process cannot access the file because it is being used by another process.");
    open(path);
    EXPECT_EQ(lastBoxText(),
              handleInvalid +
                  u"The process cannot access the file because it is being used by another process.");
    closeElsewhere(path, held);
    setFileReadOnly(path, true);
    save(path);
    EXPECT_EQ(lastBoxText(), handleInvalid + u"Access is denied.");
}

TEST_F(SendAndFiles, RestartAndTestLedsSendOneByteEach) {
    testing::ConverterDevice& converter = connectedConverter(sim::Function::Nmea);
    const std::u16string status = textOf(mainForm.status.line);
    click(mainForm.commands.restartButton);
    click(mainForm.commands.testLedsButton);
    EXPECT_EQ(converter.model.counters().restarts, 1u);
    EXPECT_EQ(converter.model.counters().ledTests, 1u);
    EXPECT_EQ(converter.model.counters().unknownBytes, 0u);
    EXPECT_EQ(textOf(mainForm.status.line), status);
}

} // namespace
} // namespace zor

namespace zor {
namespace {

// Into a field as the technician types: a click elsewhere, a click into the field (which selects its
// whole text), then the characters over it.
void typeIntoField(Widget& field, const char16_t* text) {
    click(mainForm.status.line);
    click(field);
    platform::testing::typeText(text);
    testing::pumpFor(20);
}

void closeMainWindow(std::int32_t answer) {
    answerNextBoxAfter(answer, 0);
    platform::postMessage(mainForm.window.window, platform::msg::Close, 0, 0);
    testing::pumpFor(20);
}

// What was typed is what goes out: a text that does not fit is refused when its field is left, before
// another register set is shown, and never sent as a number nobody typed.
TEST_F(SendAndFiles, ATextThatDoesNotFitIsRefusedWhenItsFieldIsLeftAndNeverSent) {
    testing::ConverterDevice& converter = connectedConverter(sim::Function::Nmea);
    ControlOutputPanel& output = mainForm.controlOutput;
    const std::u16string threshold = u"\"Threshold (switch ON level)\" of register set 0 must be a number "
                                     u"from -21474836.48 to 21474836.47";
    const std::u16string monitored =
        u"\"Monitored Parameter\" of register set 0 must be a whole number from 0 to 32";
    struct Case {
        Widget* field;
        const char16_t* typed;
        const std::u16string& box;
    };
    const Case cases[] = {{&output.thresholdField, u"abc", threshold},
                          {&output.thresholdField, u"12abc", threshold},
                          {&output.thresholdField, u"21474836.48", threshold},
                          {&output.monitoredField, u"abc", monitored}};
    const float held = formModel.threshold[0];
    const std::int32_t heldMonitored = formModel.monitoredParameter[0];
    for (const Case& c : cases) {
        const std::u16string before = textOf(*c.field);
        typeIntoField(*c.field, c.typed);
        const std::size_t boxes = boxCount();
        click(mainForm.registerSets.setRadio[1]);
        ASSERT_EQ(boxCount(), boxes + 1) << std::string(c.typed, c.typed + 3);
        EXPECT_EQ(lastBoxText(), c.box);
        EXPECT_EQ(formModel.currentRegisterSet, 0);
        EXPECT_TRUE(mainForm.registerSets.setRadio[0].checked);
        EXPECT_EQ(platform::focusedWindow(), c.field->editWindow);
        EXPECT_EQ(textOf(*c.field), c.typed);
        EXPECT_EQ(formModel.threshold[0], held);
        EXPECT_EQ(formModel.monitoredParameter[0], heldMonitored);
        // Nor does it go out with the next "Send Settings".
        sendSettings();
        EXPECT_EQ(boxCount(), boxes + 2);
        EXPECT_EQ(converter.model.counters().imagesAccepted, 0u);
        enterText(*c.field, before); // in the field that still has the focus
    }
    click(mainForm.registerSets.setRadio[1]);
    EXPECT_EQ(formModel.currentRegisterSet, 1);
}

// A warning that corrects the averaging period does not eat the click that left the field: the send
// goes on with the corrected value.
TEST_F(SendAndFiles, AnAveragingCorrectionAtSendStillSends) {
    testing::ConverterDevice& converter = connectedConverter(sim::Function::Nmea);
    if (formModel.averagingEnabled() == 0) click(mainForm.controlOutput.averagingBox);
    typeIntoField(mainForm.averaging.periodField, u"500000");
    const std::size_t boxes = boxCount();
    sendSettings();
    ASSERT_EQ(boxCount(), boxes + 1);
    EXPECT_EQ(shownBoxes().back().caption, u"Averaging Period");
    EXPECT_EQ(converter.model.counters().imagesAccepted, 1u);
    EXPECT_EQ(textOf(mainForm.status.line), u"326 bytes written");
    EXPECT_EQ(textOf(mainForm.averaging.periodField), DecimalText(formModel.averagingPeriod));
}

// Closing with settings typed and not sent asks first; Cancel keeps them. After a send nothing is asked.
TEST_F(SendAndFiles, ClosingWithUnsentChangesAsksFirst) {
    connectedConverter(sim::Function::Nmea);
    typeIntoField(mainForm.controlOutput.thresholdField, u"7");
    const std::size_t boxes = boxCount();
    closeMainWindow(platform::box::AnswerCancel);
    ASSERT_EQ(boxCount(), boxes + 1);
    EXPECT_EQ(shownBoxes().back().caption, u"Unsent Settings");
    EXPECT_EQ(lastBoxText().substr(0, 20), u"1 setting was change");
    EXPECT_TRUE(platform::isWindow(mainForm.window.window));
    EXPECT_FLOAT_EQ(formModel.threshold[0], 7.0f);
    // The Modbus time-out counts too, beside the main function switched to type it.
    click(mainForm.mainFunction.modbusRadio);
    typeIntoField(mainForm.modbusSerial.timeoutField, u"2000");
    closeMainWindow(platform::box::AnswerCancel);
    EXPECT_EQ(lastBoxText().substr(0, 21), u"3 settings were chang");
    click(mainForm.mainFunction.nmeaRadio);

    sendSettings();
    EXPECT_EQ(textOf(mainForm.status.line), u"326 bytes written");
    closeMainWindow(platform::box::AnswerCancel);
    EXPECT_EQ(boxCount(), boxes + 2);
    EXPECT_FALSE(platform::isWindow(mainForm.window.window));
}

} // namespace
} // namespace zor

namespace zor {
namespace {

// A converter swapped on the cable after the read: "Send Settings" asks the converter on the port who it
// is first, names both serial numbers and writes only when the technician confirms; the converter then
// keeps its own serial number. The one that was read is sent to without a question.
TEST_F(SendAndFiles, AConverterSwappedOnTheCableIsNamedBeforeAnythingIsWritten) {
    testing::ConverterDevice& converter = connectedConverter(sim::Function::Nmea);
    // Another converter on the same cable: its serial number is its own.
    Bytes other = converter.model.image(sim::Function::Nmea);
    const std::string otherSerial = "SWAP0002";
    std::copy(otherSerial.begin(), otherSerial.end(), other.begin() + 6);
    ASSERT_EQ(converter.model.loadImage(other), "");
    struct Case {
        std::int32_t answer;
        std::uint32_t images; // written to the converter on the port, in all
        const char16_t* status;
    };
    const Case cases[] = {{platform::box::AnswerCancel, 0, u"The settings were not sent"},
                          {platform::box::AnswerOk, 1, u"326 bytes written"}};
    for (const Case& c : cases) {
        const std::size_t boxes = boxCount();
        answerNextBoxAfter(c.answer, 0);
        sendSettings();
        ASSERT_EQ(boxCount(), boxes + 1);
        EXPECT_EQ(shownBoxes().back().caption, u"Another Converter");
        EXPECT_NE(lastBoxText().find(u"Read from: Serial# ZS410001"), std::u16string::npos)
            << "names the read";
        EXPECT_NE(lastBoxText().find(u"On the port: Serial# SWAP0002"), std::u16string::npos);
        EXPECT_EQ(converter.model.counters().imagesAccepted, c.images);
        EXPECT_EQ(textOf(mainForm.status.line), c.status);
        const Bytes held = converter.model.image(sim::Function::Nmea);
        EXPECT_EQ(std::string(held.begin() + 6, held.begin() + 14), otherSerial) << "keeps its own serial";
    }
    // Sent to once, it is the converter the settings belong to: the next send asks nothing.
    const std::size_t boxes = boxCount();
    sendSettings();
    EXPECT_EQ(boxCount(), boxes);
    EXPECT_EQ(converter.model.counters().imagesAccepted, 2u);
}

} // namespace
} // namespace zor

namespace zor {
namespace {

// "Save Config" writes the record as it stood at its click: a read's reply that lands while the dialog is
// up changes the form, not the file.
TEST_F(SendAndFiles, SaveWritesTheSettingsOfItsClickWhateverLandsUnderTheDialog) {
    connectedConverter(sim::Function::Nmea);
    typeIntoField(mainForm.controlOutput.thresholdField, u"7");
    click(mainForm.status.line); // the field left: 7 is in the record
    click(mainForm.commands.readButton);
    const std::u16string path = u"C:\\AT-CLICK.CFG";
    answerNextFileDialog(path, 2000);
    click(mainForm.commands.saveButton);
    testing::pumpFor(500);
    EXPECT_EQ(textOf(mainForm.status.line), u"326 bytes written");
    EXPECT_NE(textOf(mainForm.controlOutput.thresholdField), u"7.000000") << "the reply landed";
    const std::optional<Bytes> saved = fileContents(path);
    ASSERT_TRUE(saved);
    EXPECT_EQ(ReadI32(saved->data() + 158), 700); // two decimals
}

} // namespace
} // namespace zor

namespace zor {
namespace {

// A text refused in "Threshold" blocks only what would carry it; a click during a read's reply wait is
// refused, the control showing the record; "Send Settings" names what differs about the converter on the
// port. One row per thing the technician does: the one box it brings (or none), and what it leaves.
enum class Before { Refused, ReadWaiting, Connected, ServiceMarker };
struct HabitRow {
    const char* name;
    Before before;
    std::function<void(testing::ConverterDevice&)> act;
    const char16_t* box; // caption
    std::function<bool(const testing::ConverterDevice&)> holds;
    sim::Function function = sim::Function::Nmea;
};

TEST_F(SendAndFiles, NeverTrappedNeverOverwrittenWithoutAWord) {
    Widget& threshold = mainForm.controlOutput.thresholdField;
    ControlOutputPanel& out = mainForm.controlOutput;
    const auto status = [](const std::u16string& s) { return textOf(mainForm.status.line) == s; };
    // The text kept and the field marked as not entered, or both gone.
    const auto marked = [&] { return threshold.ctebg != out.thresholdGroup.ctebg; };
    const auto abc = [&] { return textOf(threshold) == u"abc" && marked(); };
    const auto dropped = [&] { return textOf(threshold) != u"abc" && !marked(); };
    const auto waited = [&](bool shown, bool record, bool held) {
        return shown == record && record == held && status(u"Reading settings: wait for the reply");
    };
    // clang-format off
    const auto starred = [] { char16_t t[2] = {}; return platform::windowText(mainForm.window.window, t, 2) > 0 && t[0] == u'*'; };
    const auto says = [](const char16_t* part) { return lastBoxText().find(part) != std::u16string::npos; };
    const std::u16string path = u"C:\\SITE.CFG";
    using C = const testing::ConverterDevice&;
    using D = testing::ConverterDevice&;
    const HabitRow rows[] = {
        {"leave again", Before::Refused, [&](D) { click(threshold); click(mainForm.status.line); }, nullptr, [&](C) { return abc(); }},
        {"Send", Before::Refused, [](D) { sendSettings(); }, u"Error", [](C c) { return c.model.counters().imagesAccepted == 0; }},
        {"Save", Before::Refused, [&](D) { save(path); }, u"Error", [&](C) { return !fileContents(path); }},
        {"Pick", Before::Refused, [](D) { click(mainForm.sentence.pickButton); }, u"Error", [](C) { return !platform::isWindowVisible(pickerWindow.window); }},
        {"register set", Before::Refused, [](D) { click(mainForm.registerSets.setRadio[1]); }, u"Error", [](C) { return formModel.currentRegisterSet == 0; }},
        {"main function", Before::Refused, [](D) { click(mainForm.mainFunction.modbusRadio); }, u"Error", [](C) { return mainForm.mainFunction.nmeaRadio.checked; }},
        {"Read", Before::Refused, [](D) { click(mainForm.commands.readButton); testing::pumpFor(1000); }, u"Unsent Settings", [&](C) { return dropped() && status(u"326 bytes received OK") && !starred(); }},
        {"Read, Cancel", Before::Refused, [](D) { answerNextBoxAfter(platform::box::AnswerCancel, 0); click(mainForm.commands.readButton); }, u"Unsent Settings", [&](C c) { return abc() && c.model.counters().queries == 1 && says(u"\"abc\" (not entered)"); }},
        {"Open", Before::Refused, [&](D c) { putFile(path, c.model.image(sim::Function::Nmea)); open(path); }, u"Unsent Settings", [&](C) { return dropped() && status(u"326 bytes received OK"); }},
        {"Clear", Before::Refused, [](D) { click(mainForm.commands.clearConfigButton); }, u"Unsent Settings", [&](C) { return dropped() && formModel.sentenceId[0].empty(); }},
        {"Test LEDs", Before::Refused, [](D) { click(mainForm.commands.testLedsButton); }, nullptr, [](C c) { return c.model.counters().ledTests == 1; }},
        {"Restart", Before::Refused, [](D) { click(mainForm.commands.restartButton); }, nullptr, [](C c) { return c.model.counters().restarts == 1; }},
        {"Rescan", Before::Refused, [](D) { click(mainForm.commPort.rescanButton); testing::pumpFor(3000); }, nullptr, [&](C) { return dropped() && status(u"326 bytes received OK"); }},
        {"view, stop", Before::Refused, [](D) { Widget& s = mainForm.sentence.slot[1]; platform::testing::rightDown(s.window, 5, 5); platform::testing::rightUp(s.window, 5, 5); testing::pumpFor(600); click(mainForm.status.line); }, nullptr, [](C c) { return c.model.counters().streamStops == 1; }},
        {"Alt+F4", Before::Refused, [](D) { platform::testing::setAlt(true); platform::testing::keyDown(platform::key::F4); platform::testing::setAlt(false); testing::pumpFor(20); }, u"Unsent Settings", [](C) { return !platform::isWindow(mainForm.window.window); }},
        {"a change named", Before::Connected, [&](D) { typeIntoField(threshold, u"30.5"); answerNextBoxAfter(platform::box::AnswerCancel, 0); click(mainForm.commands.readButton); }, u"Unsent Settings", [&](C) { return says(u"registerSets[0].threshold: ") && says(u" \u2192 30.5") && starred(); }},
        {"slot", Before::ReadWaiting, [](D) { click(mainForm.sentence.slot[0]); }, nullptr, [&](C) { return waited(mainForm.sentence.slot[0].checked, formModel.parameterSelectMask[0] & 1, converterHeld.parameterSelectMask[0] & 1); }},
        {"Enable Averaging", Before::ReadWaiting, [&](D) { click(out.averagingBox); }, nullptr, [&](C) { return waited(out.averagingBox.checked, formModel.averagingEnabled(), converterHeld.averagingEnabled()); }},
        {"ON/OFF", Before::ReadWaiting, [&](D) { click(out.outputStateButton); }, nullptr, [&](C) { return waited(textOf(out.outputStateButton) == u"ON", formModel.triggeredOutputOn, converterHeld.triggeredOutputOn); }},
        {"Reflect", Before::ReadWaiting, [&](D) { click(out.reflectBox); }, nullptr, [&](C) { return waited(out.reflectBox.checked, formModel.reflectOutputInLed, converterHeld.reflectOutputInLed); }},
        {"threshold function", Before::ReadWaiting, [&](D) { click(out.thresholdFunctionRadio[4]); }, nullptr, [&](C) { return waited(out.thresholdFunctionRadio[4].checked, formModel.thresholdFunction[0] == 4, converterHeld.thresholdFunction[0] == 4); }},
        {"baud", Before::ReadWaiting, [](D) { click(mainForm.modbusSerial.baudRadio[0]); }, nullptr, [&](C) { return waited(mainForm.modbusSerial.baudRadio[0].checked, formModel.modbusBaudIndex == 1, converterHeld.modbusBaudIndex == 1); }, sim::Function::Modbus},
        {"another main function", Before::Connected, [](D c) { c.model.setFunction(sim::Function::Modbus); answerNextBoxAfter(platform::box::AnswerCancel, 0); sendSettings(); }, u"Another Converter", [&](C c) { return says(u"runs \"Modbus Master to SDI12 Slave\"; these settings are for \"NMEA0183 to SDI12 Slave\"") && c.model.counters().imagesAccepted == 0; }},
        {"cut answer", Before::Connected, [](D c) { sim::Faults f; f.splitAfter = 20; f.splitPauseMs = 5000; c.model.setFaults(f); sendSettings(); }, nullptr, [&](C c) { return status(u"The answer was incomplete and nothing was written") && c.model.counters().imagesAccepted == 0; }},
        {"swapped, service marker", Before::ServiceMarker, [](D c) { sim::Faults f; f.swapAfterQueries = 1; f.swapSerial = "SWAP0002"; c.model.setFaults(f); sendSettings(); }, u"Another Converter", [](C c) { const Bytes& i = c.model.image(sim::Function::Nmea); return std::string(i.begin() + 6, i.begin() + 14) == "SWAP0002"; }},
    };
    // clang-format on
    for (const HabitRow& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        std::u16string m;
        if (row.before == Before::ServiceMarker && exeSiblingPath(u"service", m)) putFile(m, {});
        testing::ConverterDevice& converter = connectedConverter(row.function);
        if (row.before == Before::Refused) {
            typeIntoField(threshold, u"abc");
            click(mainForm.status.line);
            EXPECT_EQ(shownBoxes().back().caption, u"Error") << "the box, once, when the field is left";
        }
        if (row.before == Before::ReadWaiting) click(mainForm.commands.readButton);
        const std::size_t boxes = boxCount();
        row.act(converter);
        EXPECT_EQ(boxCount() - boxes, row.box != nullptr ? 1u : 0u);
        EXPECT_EQ(boxCount() > boxes ? shownBoxes().back().caption : u"", row.box != nullptr ? row.box : u"");
        EXPECT_TRUE(row.holds(converter));
    }
}

} // namespace
} // namespace zor
