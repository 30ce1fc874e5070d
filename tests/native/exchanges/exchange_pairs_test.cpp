// Two things at once: every user action that reaches the converter's port, taken while another
// exchange runs, through real input at a chosen moment of that exchange. Each case checks what reached
// the converter, the port label, the "Rescan Ports" button and the status line, and that the chain
// ends: nothing armed and every button enabled again, or a view that the user then ends.

#include "form/form_model.h"
#include "nmea/sentence_picker.h"
#include "platform/dialogs.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_paths.h"
#include "platform/headless/headless_port.h"
#include "platform/test_input.h"
#include "platform/window.h"
#include "support/headless/machine.h"
#include "support/program_fixture.h"

namespace zor {
namespace {

using namespace platform::headless;
using ExchangeTest = testing::ProgramTest;
using testing::connectedTo;
using testing::converterOn;
using testing::pumpFor;
using testing::pumpPending;
using testing::pumpUntil;
using testing::textOf;
using Bytes = std::vector<std::uint8_t>;

const std::u16string settingsPath = u"C:\\SETTINGS\\MODBUS.CFG";
const std::u16string savePath = u"C:\\SETTINGS\\SAVED.CFG";
const std::u16string firmwarePath = u"C:\\FIRMWARE\\ZOR410.BINARY";

enum class Running { ScanStep, ScanReply, ReadReply, Firmware, FirmwareArmed, ParameterView, IncomingView };

enum class Action {
    Read,
    Send,
    Save,
    OpenSettings,
    OpenFirmware,
    Restart,
    Leds,
    Rescan,
    ParameterView, // right click on slot 2
    IncomingView,  // "Pick", then "View Incoming NMEA"
    Close,         // the close box: the window system's close request
};

// What reached the converter from the action on, to the end of the case.
struct Line {
    std::uint32_t queries = 0, images = 0, restarts = 0, ledTests = 0, streamStarts = 0, streamStops = 0,
                  firmwareUpdates = 0;
    bool operator==(const Line&) const = default;
};

struct Case {
    Running running;
    Action action;
    std::uint32_t upForMs; // how long the action's dialog or box stays up while the exchange runs on
    Line line;
    const char16_t* status = nullptr; // right after the action (nullptr: not looked at)
    const char16_t* box = nullptr;    // the last box the action showed
    const char16_t* label = u"COM3";
    const char16_t* finalStatus = nullptr; // once the chain has ended
    bool closed = false;
    std::int32_t boxAnswer = platform::box::AnswerOk;
};

constexpr char16_t scanning[] = u"Scanning ports: stop the scan first";
constexpr char16_t firmware[] = u"Firmware update in progress";
constexpr char16_t parameterViewBox[] =
    u"Comm port scanning must be stopped\r\nbefore viewing NMEA parameters.";
constexpr char16_t incomingViewBox[] = u"Comm port scanning must be stopped\r\nbefore viewing incoming NMEA.";
constexpr char16_t askToClose[] = u"A firmware update is in progress.\r\n"
                                  u"Closing now leaves the converter without firmware!\r\n"
                                  u"Click 'OK' to close anyway or 'Cancel' to go on with the update.";
constexpr char16_t modbusOpened[] = u"80 bytes received OK";
constexpr char16_t nmeaRead[] = u"326 bytes received OK";

constexpr Line none{};
constexpr Line query{.queries = 1};
constexpr Line flashed{.firmwareUpdates = 1};
constexpr Line viewEnded{.streamStops = 1};
constexpr Line viewed{.streamStarts = 1, .streamStops = 1};

using R = Running;
using A = Action;

// clang-format off
const Case cases[] = {
    // A scan step due at the moment of the action (its timer message already queued).
    {R::ScanStep, A::Read,          0,   query, nullptr, nullptr, u"COM3", nmeaRead},
    {R::ScanStep, A::Send,          0,   query, scanning},
    {R::ScanStep, A::Save,          0,   query},
    {R::ScanStep, A::OpenSettings,  0,   none,  nullptr, nullptr, u"---", modbusOpened},
    {R::ScanStep, A::OpenSettings,  600, query, nullptr, nullptr, u"COM3", modbusOpened},
    {R::ScanStep, A::OpenFirmware,  0,   query, scanning},
    {R::ScanStep, A::OpenFirmware,  600, {.queries = 1, .firmwareUpdates = 1}},
    {R::ScanStep, A::Restart,       0,   query, scanning},
    {R::ScanStep, A::Leds,          0,   query, scanning},
    {R::ScanStep, A::Rescan,        0,   none,  nullptr, nullptr, u"---"},
    {R::ScanStep, A::ParameterView, 0,   query, nullptr, parameterViewBox},
    {R::ScanStep, A::IncomingView,  0,   query, nullptr, incomingViewBox},
    {R::ScanStep, A::Close,         0,   none,  nullptr, nullptr, nullptr, nullptr, true},
    // The scan's query written on COM3, its reply awaited.
    {R::ScanReply, A::Read,          0,   query},
    {R::ScanReply, A::Send,          0,   none,  scanning, nullptr, u"COM3", nmeaRead},
    {R::ScanReply, A::Save,          0,   none},
    {R::ScanReply, A::OpenSettings,  0,   none,  nullptr, nullptr, u"---", modbusOpened},
    {R::ScanReply, A::OpenSettings,  600, none,  nullptr, nullptr, u"COM3", modbusOpened},
    {R::ScanReply, A::OpenFirmware,  0,   none,  scanning},
    {R::ScanReply, A::OpenFirmware,  600, flashed},
    {R::ScanReply, A::Restart,       0,   none,  scanning},
    {R::ScanReply, A::Leds,          0,   none,  scanning},
    {R::ScanReply, A::Rescan,        0,   none,  nullptr, nullptr, u"---"},
    {R::ScanReply, A::ParameterView, 0,   none,  nullptr, parameterViewBox},
    {R::ScanReply, A::IncomingView,  0,   none,  nullptr, incomingViewBox},
    {R::ScanReply, A::Close,         0,   none,  nullptr, nullptr, nullptr, nullptr, true},
    // "Read Settings" pressed on the connected converter, its reply awaited: the late reply must never
    // land over what the action put in the form or sent.
    {R::ReadReply, A::Read,          0,   query},
    {R::ReadReply, A::Send,          0,   {.images = 1}, u"326 bytes written", nullptr, u"COM3", u"326 bytes written"},
    {R::ReadReply, A::Save,          0,   none,  u"326 bytes written", nullptr, u"COM3", nmeaRead},
    {R::ReadReply, A::OpenSettings,  0,   none,  modbusOpened, nullptr, u"COM3", modbusOpened},
    {R::ReadReply, A::OpenFirmware,  0,   none,  u"Reading settings: wait for the reply", nullptr, u"COM3", nmeaRead},
    {R::ReadReply, A::Restart,       0,   {.restarts = 1}},
    {R::ReadReply, A::Leds,          0,   {.ledTests = 1}, nullptr, nullptr, u"COM3", nmeaRead},
    {R::ReadReply, A::Rescan,        0,   none,  u"Reading settings: wait for the reply", nullptr, u"COM3", nmeaRead},
    {R::ReadReply, A::ParameterView, 0,   viewed},
    {R::ReadReply, A::IncomingView,  0,   viewed},
    {R::ReadReply, A::Close,         0,   none,  nullptr, nullptr, nullptr, nullptr, true},
    // Packets going out: the disabled buttons pass the click on; what still reaches a handler is
    // refused, and the update ends whole.
    {R::Firmware, A::Read,          0,   flashed},
    {R::Firmware, A::Send,          0,   flashed},
    {R::Firmware, A::Save,          0,   flashed},
    {R::Firmware, A::OpenSettings,  0,   flashed},
    {R::Firmware, A::OpenFirmware,  0,   flashed},
    {R::Firmware, A::Restart,       0,   flashed},
    {R::Firmware, A::Leds,          0,   flashed},
    {R::Firmware, A::Rescan,        0,   flashed},
    {R::Firmware, A::ParameterView, 0,   flashed, firmware},
    {R::Firmware, A::IncomingView,  0,   flashed},
    {R::Firmware, A::Close,         0,   flashed, nullptr, askToClose, u"COM3", nullptr, false, platform::box::AnswerCancel},
    {R::Firmware, A::Close,         0,   none,    nullptr, askToClose, nullptr, nullptr, true},
    // The firmware file taken, its first step not yet run: the buttons are still enabled.
    {R::FirmwareArmed, A::Read,          0,   flashed, firmware},
    {R::FirmwareArmed, A::Send,          0,   flashed, firmware},
    {R::FirmwareArmed, A::Save,          0,   flashed, firmware},
    {R::FirmwareArmed, A::OpenSettings,  0,   flashed, firmware},
    {R::FirmwareArmed, A::OpenFirmware,  0,   flashed, firmware},
    {R::FirmwareArmed, A::Restart,       0,   flashed, firmware},
    {R::FirmwareArmed, A::Leds,          0,   flashed, firmware},
    {R::FirmwareArmed, A::Rescan,        0,   flashed, firmware},
    {R::FirmwareArmed, A::ParameterView, 0,   flashed, firmware},
    {R::FirmwareArmed, A::IncomingView,  0,   flashed, firmware},
    {R::FirmwareArmed, A::Close,         0,   flashed, nullptr, askToClose, u"COM3", nullptr, false, platform::box::AnswerCancel},
    // The real-time view of slot 2: the form is out of use; closing ends the streaming first.
    {R::ParameterView, A::Read,          0,   viewEnded},
    {R::ParameterView, A::Send,          0,   viewEnded},
    {R::ParameterView, A::Save,          0,   viewEnded},
    {R::ParameterView, A::OpenSettings,  0,   viewEnded},
    {R::ParameterView, A::OpenFirmware,  0,   viewEnded},
    {R::ParameterView, A::Restart,       0,   viewEnded},
    {R::ParameterView, A::Leds,          0,   viewEnded},
    {R::ParameterView, A::Rescan,        0,   viewEnded},
    {R::ParameterView, A::ParameterView, 0,   viewEnded},
    {R::ParameterView, A::IncomingView,  0,   viewEnded},
    {R::ParameterView, A::Close,         0,   viewEnded, nullptr, nullptr, nullptr, nullptr, true},
    // The incoming view on the picker: the main window is disabled behind it; "View Incoming NMEA"
    // is then its "Hide".
    {R::IncomingView, A::Read,          0,   viewEnded},
    {R::IncomingView, A::Send,          0,   viewEnded},
    {R::IncomingView, A::Save,          0,   viewEnded},
    {R::IncomingView, A::OpenSettings,  0,   viewEnded},
    {R::IncomingView, A::OpenFirmware,  0,   viewEnded},
    {R::IncomingView, A::Restart,       0,   viewEnded},
    {R::IncomingView, A::Leds,          0,   viewEnded},
    {R::IncomingView, A::Rescan,        0,   viewEnded},
    {R::IncomingView, A::ParameterView, 0,   viewEnded},
    {R::IncomingView, A::IncomingView,  0,   viewEnded},
    {R::IncomingView, A::Close,         0,   viewEnded, nullptr, nullptr, nullptr, nullptr, true},
};
// clang-format on

Widget* const disabledSet[] = {&mainForm.commands.readButton,     &mainForm.commands.restartButton,
                               &mainForm.commands.testLedsButton, &mainForm.commands.saveButton,
                               &mainForm.commands.openButton,     &mainForm.commands.sendButton,
                               &mainForm.sentence.pickButton,     &mainForm.commPort.rescanButton};

bool buttonsEnabled() {
    for (Widget* w : disabledSet)
        if (!w->enabled) return false;
    return true;
}

bool mainJobArmed() {
    return isTimerRunning(mainForm.window.window, mainForm.window.timerArming);
}

Line lineOf(const sim::Counters& c) {
    return {c.queries,      c.imagesAccepted, c.restarts,       c.ledTests,
            c.streamStarts, c.streamStops,    c.firmwareUpdates};
}

Line since(const Line& now, const Line& before) {
    return {now.queries - before.queries,
            now.images - before.images,
            now.restarts - before.restarts,
            now.ledTests - before.ledTests,
            now.streamStarts - before.streamStarts,
            now.streamStops - before.streamStops,
            now.firmwareUpdates - before.firmwareUpdates};
}

std::string describe(const Line& l) {
    return "queries " + std::to_string(l.queries) + ", images " + std::to_string(l.images) + ", restarts " +
           std::to_string(l.restarts) + ", LED tests " + std::to_string(l.ledTests) + ", stream starts " +
           std::to_string(l.streamStarts) + ", stops " + std::to_string(l.streamStops) + ", firmware " +
           std::to_string(l.firmwareUpdates);
}

Bytes firmwareImage() {
    Bytes bytes(640);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 13 + 5);
    return bytes;
}

class ExchangePairs : public ExchangeTest, public ::testing::WithParamInterface<Running> {
  protected:
    // The pointer goes to the widget and everything due then is handled; after dueInMs more the button
    // goes down and up, so that a job falling due meanwhile has its timer message queued behind the
    // click, as Windows queues it.
    static void press(Widget& w, std::uint32_t dueInMs = 0, bool right = false) {
        const std::int32_t x = w.width / 2, y = w.height / 2;
        platform::testing::mouseMove(w.window, x, y);
        pumpPending();
        advanceClock(dueInMs);
        if (right) {
            platform::testing::rightDown(w.window, x, y);
            platform::testing::rightUp(w.window, x, y);
        } else {
            platform::testing::leftDown(w.window, x, y);
            platform::testing::leftUp(w.window, x, y);
        }
        pumpPending();
    }

    void chooseFirmware() {
        answerNextFileDialog(firmwarePath);
        platform::testing::answerNextBoxes({platform::box::AnswerOk});
        press(mainForm.commands.openButton);
    }

    // Brings the program to the moment of the running exchange; returns when a due step is to fall
    // due behind the click.
    std::uint32_t reach(Running running) {
        const auto connected = [this] { EXPECT_TRUE(connectedTo(3)); };
        switch (running) {
        case Running::ScanStep:
            EXPECT_TRUE(pumpUntil([] { return textOf(mainForm.commPort.portLabel) == u"Scanning 1"; }));
            return 50;
        case Running::ScanReply:
            EXPECT_TRUE(pumpUntil([] { return textOf(mainForm.commPort.portLabel) == u"COM3"; }));
            return 0;
        case Running::ReadReply:
            connected();
            press(mainForm.commands.readButton);
            return 0;
        case Running::Firmware:
            connected();
            chooseFirmware();
            EXPECT_TRUE(pumpUntil([] { return textOf(mainForm.status.line) == u"Sending Packet 5 / 20"; }));
            return 0;
        case Running::FirmwareArmed:
            connected();
            chooseFirmware();
            return 0;
        case Running::ParameterView:
            connected();
            press(mainForm.sentence.slot[1], 0, true);
            EXPECT_EQ(formModel.viewedParameter, 2);
            return 0;
        case Running::IncomingView:
            connected();
            press(mainForm.sentence.pickButton);
            press(sentencePicker.incomingButton);
            EXPECT_EQ(textOf(sentencePicker.incomingButton), u"Hide Incoming NMEA");
            return 0;
        }
        return 0;
    }

    void act(const Case& c, std::uint32_t dueInMs) {
        switch (c.action) {
        case Action::Read:
            return press(mainForm.commands.readButton, dueInMs);
        case Action::Send:
            return press(mainForm.commands.sendButton, dueInMs);
        case Action::Save:
            answerNextFileDialog(savePath, c.upForMs);
            return press(mainForm.commands.saveButton, dueInMs);
        case Action::OpenSettings:
            answerNextFileDialog(settingsPath, c.upForMs);
            return press(mainForm.commands.openButton, dueInMs);
        case Action::OpenFirmware:
            answerNextFileDialog(firmwarePath);
            answerNextBoxAfter(platform::box::AnswerOk, c.upForMs);
            return press(mainForm.commands.openButton, dueInMs);
        case Action::Restart:
            return press(mainForm.commands.restartButton, dueInMs);
        case Action::Leds:
            return press(mainForm.commands.testLedsButton, dueInMs);
        case Action::Rescan:
            return press(mainForm.commPort.rescanButton, dueInMs);
        case Action::ParameterView:
            return press(mainForm.sentence.slot[1], dueInMs, true);
        case Action::IncomingView:
            press(mainForm.sentence.pickButton, dueInMs);
            return press(sentencePicker.incomingButton);
        case Action::Close:
            answerNextBoxAfter(c.boxAnswer, 0);
            advanceClock(dueInMs);
            platform::postMessage(mainForm.window.window, platform::msg::Close, 0, 0);
            pumpPending();
            return;
        }
    }

    // The user ends what is still on show: the parameter view by a click on the status line, the
    // incoming view by "Hide Incoming NMEA", the picker by "Cancel".
    void endViews() {
        pumpFor(600);
        if (formModel.viewedParameter > 0) press(mainForm.status.line);
        if (textOf(sentencePicker.incomingButton) == u"Hide Incoming NMEA")
            press(sentencePicker.incomingButton);
        if (pickerWindow.window != nullptr && platform::isWindowVisible(pickerWindow.window))
            press(sentencePicker.cancelButton);
    }

    void run(const Case& c) {
        testing::ConverterDevice& converter = converterOn(3);
        // COM1 and COM2 open but cannot be set up: the scan waits a step after each, showing
        // "Scanning 1" and "Scanning 2", before it reaches the converter.
        SerialPortFaults noSetup;
        noSetup.applySettingsError = 31;
        for (const std::int32_t number : {1, 2}) {
            converterOn(number);
            setSerialPortFaults("\\\\.\\COM" + std::to_string(number), noSetup);
        }
        putFile(settingsPath, sim::ConverterModel().image(sim::Function::Modbus));
        putFile(firmwarePath, firmwareImage());
        startProgram();
        const std::uint32_t dueInMs = reach(c.running);
        const Line before = lineOf(converter.model.counters());
        const std::size_t boxesBefore = testing::boxCount();

        act(c, dueInMs);
        if (c.status != nullptr) {
            EXPECT_EQ(textOf(mainForm.status.line), c.status);
        }
        if (c.box != nullptr) {
            EXPECT_GT(testing::boxCount(), boxesBefore);
            EXPECT_EQ(testing::lastBoxText(), c.box);
        }
        if (c.closed) {
            EXPECT_FALSE(platform::isWindow(mainForm.window.window));
        } else {
            EXPECT_TRUE(platform::isWindow(mainForm.window.window));
            endViews();
            // The chain ends: nothing armed, every button usable, the scan switched off.
            EXPECT_TRUE(pumpUntil([] { return !mainJobArmed() && buttonsEnabled(); }, 60000));
            EXPECT_EQ(textOf(mainForm.commPort.portLabel), c.label);
            EXPECT_EQ(textOf(mainForm.commPort.rescanButton), u"Rescan Ports");
            if (c.finalStatus != nullptr) {
                EXPECT_EQ(textOf(mainForm.status.line), c.finalStatus);
            }
        }
        const Line line = since(lineOf(converter.model.counters()), before);
        EXPECT_EQ(line, c.line) << describe(line);
        EXPECT_EQ(converter.model.counters().unknownBytes, 0u);
        EXPECT_EQ(converter.model.counters().packetsRejected, 0u);
        if (c.line.firmwareUpdates == 1) {
            Bytes whole = firmwareImage();
            whole.resize(whole.size() + 32, 0); // the last packet: no data left, zero filled
            EXPECT_EQ(converter.model.firmware(), whole);
        }
    }
};

const char* runningName(Running r) {
    static const char* const names[] = {"scan step",      "scan reply",     "read reply",   "firmware",
                                        "firmware armed", "parameter view", "incoming view"};
    return names[static_cast<int>(r)];
}

const char* actionName(Action a) {
    static const char* const names[] = {
        "Read Settings",          "Send Settings",      "Save Config", "Open Config (settings)",
        "Open Config (firmware)", "Restart Converter",  "Test LEDs",   "Rescan Ports",
        "right click on a slot",  "View Incoming NMEA", "close"};
    return names[static_cast<int>(a)];
}

void PrintTo(Running running, std::ostream* out) {
    *out << runningName(running);
}

// One test for each running exchange: every action taken during it.
TEST_P(ExchangePairs, EveryActionDuringTheExchange) {
    for (const Case& c : cases) {
        if (c.running != GetParam()) continue;
        SCOPED_TRACE(std::string(actionName(c.action)) + " during " + runningName(c.running) +
                     (c.upForMs != 0 ? ", its dialog up " + std::to_string(c.upForMs) + " ms" : ""));
        TearDown();
        SetUp();
        run(c);
    }
}

INSTANTIATE_TEST_SUITE_P(Running, ExchangePairs,
                         ::testing::Values(Running::ScanStep, Running::ScanReply, Running::ReadReply,
                                           Running::Firmware, Running::FirmwareArmed, Running::ParameterView,
                                           Running::IncomingView),
                         [](const ::testing::TestParamInfo<Running>& param) {
                             std::string name = runningName(param.param);
                             std::erase(name, ' ');
                             return name;
                         });

} // namespace
} // namespace zor
