// Two things at once: every user action that reaches the converter's port or changes the settings in
// the form, taken while another exchange runs, through real input at a chosen moment of that exchange.
//
// Every cell of the exchange table (exchange by action) has a case here, or, where the table says no
// input reaches it, a proof that the input does not: the cell is never asked. Each case checks what
// its cell's decision changes (the bytes that reached the converter, the status line, the box, what
// the form shows, the file saved, the port label) and that the chain ends. Each case then runs again
// with its cell changed to another decision through the table's test seam, and that run must fail:
// a case that would pass whatever its cell says proves nothing.

#include "form/form_model.h"
#include "form/main_form.h"
#include "form/main_function_layout.h"
#include "link/exchange_owner.h"
#include "nmea/sentence_catalogue.h"
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

#include <gtest/gtest-spi.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>
#include <set>
#include <utility>

namespace zor {
namespace {

using namespace platform::headless;
using testing::connectedTo;
using testing::converterOn;
using testing::pumpFor;
using testing::pumpPending;
using testing::pumpUntil;
using testing::textOf;
using Bytes = std::vector<std::uint8_t>;
using U = UserAction;

const std::u16string settingsPath = u"C:\\SETTINGS\\MODBUS.CFG";
const std::u16string savePath = u"C:\\SETTINGS\\SAVED.CFG";
const std::u16string firmwarePath = u"C:\\FIRMWARE\\ZOR410.BINARY";

// The moment of the running exchange at which the action comes.
enum class Moment {
    Idle,          // the converter found and read, nothing running
    ScanStep,      // a scan step due at the moment of the action (its timer message queued behind it)
    ScanReply,     // the scan's query written on COM3, its reply awaited
    ReadReply,     // "Read Settings" pressed on the connected converter, its reply awaited
    Firmware,      // packets going out: the disabled buttons pass the click on
    FirmwareArmed, // the firmware file taken, its first step not yet run: the buttons still enabled
    ParameterView, // the real-time view of slot 2: the form out of use but for "Main Function" and "Clear
                   // Config"
    IncomingView,  // the incoming view on the picker, the main window disabled behind it
    ScanHalted,    // the scan left switched on by a read error on COM3, the port open, nothing armed
};

Exchange exchangeAt(Moment moment) {
    switch (moment) {
    case Moment::Idle:
        return Exchange::Idle;
    case Moment::ScanStep:
        return Exchange::Scan;
    case Moment::ScanReply:
        return Exchange::ScanReply;
    case Moment::ReadReply:
        return Exchange::ReadReply;
    case Moment::Firmware:
    case Moment::FirmwareArmed:
        return Exchange::Firmware;
    case Moment::ParameterView:
        return Exchange::RealtimeView;
    case Moment::IncomingView:
        return Exchange::IncomingView;
    case Moment::ScanHalted:
        return Exchange::Scan;
    }
    return Exchange::Idle;
}

const char* momentName(Moment moment) {
    static const char* const names[] = {"idle",           "scan step",     "scan reply",
                                        "read reply",     "firmware",      "firmware armed",
                                        "parameter view", "incoming view", "scan halted"};
    return names[static_cast<int>(moment)];
}

// What reached the converter from the action on, to the end of the case.
struct Line {
    std::uint32_t queries = 0, images = 0, restarts = 0, ledTests = 0, streamStarts = 0, streamStops = 0,
                  firmwareUpdates = 0;
    bool operator==(const Line&) const = default;
};

// What the form shows.
enum class Form {
    NotLooked,
    Converter,    // the converter's settings: its main function, its first sentence or Modbus command
    NmeaChosen,   // the NMEA radio, as the form is built, and no other
    FileOpened,   // the Modbus settings of the file
    Picked,       // the picked sentence in register set 0
    Cleared,      // "Clear Config": no sentence
    ModbusChosen, // the Modbus radio clicked
    Preset,       // "PLT" of row 0: command 4, start register 2
    Typed,        // "7" in the address field
    Untyped,      // anything but what was typed
    ViewEnded,    // the real-time view ended: the form back in use
    Reflected,    // "Reflect Output in RS422 TX LED" clicked on, in the box and the record
    Unreflected,  // the box off as the record holds it
};

enum class Owner { Main, Picker, None };

// The status right after the action is the one the moment showed before it.
constexpr char16_t kept[] = u"(as before the action)";

struct Case {
    Moment moment;
    UserAction action;
    std::uint32_t upForMs = 0; // how long the action's dialog stays up while the exchange runs on
    bool decidedIdle = false;  // the exchange ended while the dialog was up: the action decides then
    bool modbus = false;       // the converter runs the Modbus function (the "PLT" buttons show)
    Line line = {};
    const char16_t* status = nullptr; // right after the action (nullptr: not looked at)
    const char16_t* box = nullptr;    // the last box the action showed
    Owner boxOwner = Owner::Main;
    Form now = Form::NotLooked; // right after the action
    const char16_t* label = u"COM3";
    const char16_t* finalStatus = nullptr; // once the chain has ended
    Form atEnd = Form::NotLooked;
    bool closed = false;
    bool saved = false; // a file at the save path
    std::int32_t boxAnswer = platform::box::AnswerOk;
};

constexpr char16_t scanning[] = u"Scanning ports: stop the scan first";
constexpr char16_t scanReads[] = u"Scanning ports: the settings are read when the converter answers";
constexpr char16_t reading[] = u"Reading settings: wait for the reply";
constexpr char16_t firmware[] = u"Firmware update in progress";
constexpr char16_t parameterViewBox[] =
    u"Comm port scanning must be stopped\r\nbefore viewing NMEA parameters.";
constexpr char16_t incomingViewBox[] = u"Comm port scanning must be stopped\r\nbefore viewing incoming NMEA.";
constexpr char16_t pickDuringScan[] = u"Comm port scanning must be stopped\r\nbefore a sentence is taken.";
constexpr char16_t pickDuringRead[] = u"Reading settings: wait for the reply\r\nbefore a sentence is taken.";
constexpr char16_t askToClose[] = u"A firmware update is in progress.\r\n"
                                  u"Closing now leaves the converter without firmware!\r\n"
                                  u"Click 'OK' to close anyway or 'Cancel' to go on with the update.";
constexpr char16_t pipelineBox[] =
    u"Pipe line temperature probe has been set up for\r\nSDI-12 register set 0.\r\n"
    u"You must also set the Modbus address for this probe.";
constexpr char16_t modbusOpened[] = u"80 bytes received OK";
constexpr char16_t nmeaRead[] = u"326 bytes received OK";
constexpr char16_t nmeaWritten[] = u"326 bytes written";
// "Send Settings" asks the converter who it is first: the query, then the image once the reply is in.
constexpr char16_t querySent[] = u"5 bytes sent";
constexpr char16_t viewLeft[] = u"OK";

constexpr Line none{};
constexpr Line query{.queries = 1};
constexpr Line flashed{.firmwareUpdates = 1};
constexpr Line viewEnded{.streamStops = 1};
constexpr Line viewed{.streamStarts = 1, .streamStops = 1};

using M = Moment;
using F = Form;

// clang-format off
const Case cases[] = {
    // Nothing running: every action does what it does.
    {.moment = M::Idle, .action = U::ReadSettings,     .line = query, .finalStatus = nmeaRead},
    {.moment = M::Idle, .action = U::SendSettings,     .line = {.queries = 1, .images = 1}, .status = querySent, .finalStatus = nmeaWritten},
    {.moment = M::Idle, .action = U::SaveConfig,       .status = nmeaWritten, .saved = true},
    {.moment = M::Idle, .action = U::OpenSettingsFile, .status = modbusOpened, .atEnd = F::FileOpened},
    {.moment = M::Idle, .action = U::OpenFirmwareFile, .line = flashed},
    {.moment = M::Idle, .action = U::RestartConverter, .line = {.restarts = 1}},
    {.moment = M::Idle, .action = U::TestLeds,         .line = {.ledTests = 1}},
    {.moment = M::Idle, .action = U::RescanPorts,      .line = query, .finalStatus = nmeaRead},
    {.moment = M::Idle, .action = U::RealtimeView,     .line = viewed},
    {.moment = M::Idle, .action = U::IncomingView,     .line = viewed},
    {.moment = M::Idle, .action = U::CloseWindow,      .label = nullptr, .closed = true},
    {.moment = M::Idle, .action = U::PickSentence,     .atEnd = F::Picked},
    {.moment = M::Idle, .action = U::ClearConfig,      .atEnd = F::Cleared},
    {.moment = M::Idle, .action = U::MainFunction,     .atEnd = F::ModbusChosen},
    {.moment = M::Idle, .action = U::PipelinePreset,   .modbus = true, .box = pipelineBox, .boxOwner = Owner::None, .atEnd = F::Preset},
    {.moment = M::Idle, .action = U::TypeIntoField,    .atEnd = F::Typed},
    {.moment = M::Idle, .action = U::ClickSetting,     .atEnd = F::Reflected},
    // The scan at start-up between two steps: what writes to the port or changes the form is refused;
    // the scan goes on and finds the converter on COM3.
    {.moment = M::ScanStep, .action = U::ReadSettings,     .line = query, .status = kept, .finalStatus = nmeaRead},
    {.moment = M::ScanStep, .action = U::SendSettings,     .line = query, .status = scanning},
    {.moment = M::ScanStep, .action = U::SaveConfig,       .modbus = true, .line = query, .saved = true},
    {.moment = M::ScanStep, .action = U::OpenSettingsFile, .label = u"---", .finalStatus = modbusOpened, .atEnd = F::FileOpened},
    {.moment = M::ScanStep, .action = U::OpenSettingsFile, .upForMs = 600, .decidedIdle = true, .line = query, .finalStatus = modbusOpened, .atEnd = F::FileOpened},
    {.moment = M::ScanStep, .action = U::OpenFirmwareFile, .line = query, .status = scanning},
    {.moment = M::ScanStep, .action = U::OpenFirmwareFile, .upForMs = 600, .decidedIdle = true, .line = {.queries = 1, .firmwareUpdates = 1}},
    {.moment = M::ScanStep, .action = U::RestartConverter, .line = query, .status = scanning},
    {.moment = M::ScanStep, .action = U::TestLeds,         .line = query, .status = scanning},
    {.moment = M::ScanStep, .action = U::RescanPorts,      .label = u"---"},
    {.moment = M::ScanStep, .action = U::RealtimeView,     .line = query, .box = parameterViewBox},
    {.moment = M::ScanStep, .action = U::IncomingView,     .line = query, .box = incomingViewBox},
    {.moment = M::ScanStep, .action = U::CloseWindow,      .label = nullptr, .closed = true},
    {.moment = M::ScanStep, .action = U::PickSentence,     .line = query, .box = pickDuringScan, .boxOwner = Owner::Picker, .atEnd = F::Converter},
    {.moment = M::ScanStep, .action = U::ClearConfig,      .line = query, .status = scanning, .atEnd = F::Converter},
    {.moment = M::ScanStep, .action = U::MainFunction,     .line = query, .status = scanning, .now = F::NmeaChosen, .atEnd = F::Converter},
    {.moment = M::ScanStep, .action = U::PipelinePreset,   .modbus = true, .line = query, .status = scanning, .now = F::Converter, .atEnd = F::Converter},
    {.moment = M::ScanStep, .action = U::TypeIntoField,    .line = query, .status = scanning, .now = F::Untyped, .atEnd = F::Converter},
    {.moment = M::ScanStep, .action = U::ClickSetting,     .line = query, .status = scanning, .now = F::Unreflected, .atEnd = F::Converter},
    // The scan's reply on its way: it reads the converter, no second query goes out.
    {.moment = M::ScanReply, .action = U::ReadSettings,     .status = scanReads, .finalStatus = nmeaRead},
    {.moment = M::ScanReply, .action = U::SendSettings,     .status = scanning, .finalStatus = nmeaRead},
    {.moment = M::ScanReply, .action = U::SaveConfig,       .modbus = true, .saved = true},
    {.moment = M::ScanReply, .action = U::OpenSettingsFile, .label = u"---", .finalStatus = modbusOpened, .atEnd = F::FileOpened},
    {.moment = M::ScanReply, .action = U::OpenSettingsFile, .upForMs = 600, .decidedIdle = true, .finalStatus = modbusOpened, .atEnd = F::FileOpened},
    {.moment = M::ScanReply, .action = U::OpenFirmwareFile, .status = scanning},
    {.moment = M::ScanReply, .action = U::OpenFirmwareFile, .upForMs = 600, .decidedIdle = true, .line = flashed},
    {.moment = M::ScanReply, .action = U::RestartConverter, .status = scanning},
    {.moment = M::ScanReply, .action = U::TestLeds,         .status = scanning},
    {.moment = M::ScanReply, .action = U::RescanPorts,      .label = u"---"},
    {.moment = M::ScanReply, .action = U::RealtimeView,     .box = parameterViewBox},
    {.moment = M::ScanReply, .action = U::IncomingView,     .box = incomingViewBox},
    {.moment = M::ScanReply, .action = U::CloseWindow,      .label = nullptr, .closed = true},
    {.moment = M::ScanReply, .action = U::PickSentence,     .box = pickDuringScan, .boxOwner = Owner::Picker, .atEnd = F::Converter},
    {.moment = M::ScanReply, .action = U::ClearConfig,      .status = scanning, .atEnd = F::Converter},
    {.moment = M::ScanReply, .action = U::MainFunction,     .status = scanning, .now = F::NmeaChosen, .atEnd = F::Converter},
    {.moment = M::ScanReply, .action = U::PipelinePreset,   .modbus = true, .status = scanning, .now = F::Converter, .atEnd = F::Converter},
    {.moment = M::ScanReply, .action = U::TypeIntoField,    .status = scanning, .now = F::Untyped, .atEnd = F::Converter},
    {.moment = M::ScanReply, .action = U::ClickSetting,     .status = scanning, .now = F::Unreflected, .atEnd = F::Converter},
    // The scan stands still after a read error, its port open: "Read Settings" asks the converter there.
    {.moment = M::ScanHalted, .action = U::ReadSettings, .line = query, .finalStatus = nmeaRead, .atEnd = F::Converter},
    // A read's reply on its way: the late reply never lands over what the action sent, opened or
    // changed, and never meets a second reply.
    {.moment = M::ReadReply, .action = U::ReadSettings,     .status = reading, .finalStatus = nmeaRead},
    {.moment = M::ReadReply, .action = U::SendSettings,     .status = reading, .finalStatus = nmeaRead},
    {.moment = M::ReadReply, .action = U::SaveConfig,       .status = nmeaWritten, .finalStatus = nmeaRead, .saved = true},
    {.moment = M::ReadReply, .action = U::OpenSettingsFile, .status = modbusOpened, .finalStatus = modbusOpened, .atEnd = F::FileOpened},
    {.moment = M::ReadReply, .action = U::OpenFirmwareFile, .status = reading, .finalStatus = nmeaRead},
    {.moment = M::ReadReply, .action = U::RestartConverter, .line = {.restarts = 1}},
    {.moment = M::ReadReply, .action = U::TestLeds,         .line = {.ledTests = 1}, .finalStatus = nmeaRead},
    {.moment = M::ReadReply, .action = U::RescanPorts,      .status = reading, .finalStatus = nmeaRead},
    {.moment = M::ReadReply, .action = U::RealtimeView,     .status = reading, .finalStatus = nmeaRead},
    {.moment = M::ReadReply, .action = U::IncomingView,     .line = viewed, .finalStatus = u"5 bytes sent"},
    {.moment = M::ReadReply, .action = U::CloseWindow,      .label = nullptr, .closed = true},
    {.moment = M::ReadReply, .action = U::PickSentence,     .box = pickDuringRead, .boxOwner = Owner::Picker, .atEnd = F::Converter},
    {.moment = M::ReadReply, .action = U::ClearConfig,      .status = reading, .now = F::Converter, .atEnd = F::Converter},
    {.moment = M::ReadReply, .action = U::MainFunction,     .status = reading, .now = F::Converter, .atEnd = F::Converter},
    {.moment = M::ReadReply, .action = U::PipelinePreset,   .modbus = true, .status = reading, .now = F::Converter, .atEnd = F::Converter},
    {.moment = M::ReadReply, .action = U::TypeIntoField,    .status = reading, .now = F::Untyped, .atEnd = F::Converter},
    {.moment = M::ReadReply, .action = U::ClickSetting,     .status = reading, .now = F::Unreflected, .atEnd = F::Converter},
    // Packets going out: what still reaches a handler is refused or asks, the update ends whole; the
    // form stays the technician's to edit.
    {.moment = M::Firmware, .action = U::RealtimeView,   .line = flashed, .status = firmware},
    {.moment = M::Firmware, .action = U::CloseWindow,    .line = flashed, .box = askToClose, .boxAnswer = platform::box::AnswerCancel},
    {.moment = M::Firmware, .action = U::CloseWindow,    .box = askToClose, .label = nullptr, .closed = true},
    {.moment = M::Firmware, .action = U::ClearConfig,    .line = flashed, .atEnd = F::Cleared},
    {.moment = M::Firmware, .action = U::MainFunction,   .line = flashed, .atEnd = F::ModbusChosen},
    {.moment = M::Firmware, .action = U::PipelinePreset, .modbus = true, .line = flashed, .box = pipelineBox, .boxOwner = Owner::None, .atEnd = F::Preset},
    {.moment = M::Firmware, .action = U::TypeIntoField,  .line = flashed, .atEnd = F::Typed},
    {.moment = M::Firmware, .action = U::ClickSetting,   .line = flashed, .atEnd = F::Reflected},
    {.moment = M::FirmwareArmed, .action = U::ReadSettings,     .line = flashed, .status = firmware},
    {.moment = M::FirmwareArmed, .action = U::SendSettings,     .line = flashed, .status = firmware},
    {.moment = M::FirmwareArmed, .action = U::SaveConfig,       .line = flashed, .status = firmware},
    {.moment = M::FirmwareArmed, .action = U::OpenSettingsFile, .line = flashed, .status = firmware},
    {.moment = M::FirmwareArmed, .action = U::OpenFirmwareFile, .line = flashed, .status = firmware},
    {.moment = M::FirmwareArmed, .action = U::RestartConverter, .line = flashed, .status = firmware},
    {.moment = M::FirmwareArmed, .action = U::TestLeds,         .line = flashed, .status = firmware},
    {.moment = M::FirmwareArmed, .action = U::RescanPorts,      .line = flashed, .status = firmware},
    {.moment = M::FirmwareArmed, .action = U::RealtimeView,     .line = flashed, .status = firmware},
    {.moment = M::FirmwareArmed, .action = U::IncomingView,     .line = flashed, .status = firmware},
    {.moment = M::FirmwareArmed, .action = U::CloseWindow,      .line = flashed, .box = askToClose, .boxAnswer = platform::box::AnswerCancel},
    {.moment = M::FirmwareArmed, .action = U::PickSentence,     .line = flashed, .atEnd = F::Picked},
    // The real-time view: "Clear Config" and "Main Function" end it first, as closing does.
    {.moment = M::ParameterView, .action = U::CloseWindow,  .line = viewEnded, .label = nullptr, .closed = true},
    {.moment = M::ParameterView, .action = U::ClearConfig,  .line = viewEnded, .now = F::ViewEnded, .atEnd = F::Cleared},
    {.moment = M::ParameterView, .action = U::MainFunction, .line = viewEnded, .status = viewLeft, .now = F::ViewEnded, .atEnd = F::ModbusChosen},
    // The incoming view: closing ends the streaming first.
    {.moment = M::IncomingView, .action = U::CloseWindow, .line = viewEnded, .label = nullptr, .closed = true},
};

// The cells the table marks unreachable, each tried by the same input at a moment of its exchange.
struct NeverAsked {
    Moment moment;
    UserAction action;
};

const NeverAsked neverAsked[] = {
    {M::ParameterView, U::ReadSettings},   {M::ParameterView, U::SendSettings},   {M::ParameterView, U::SaveConfig},
    {M::ParameterView, U::OpenSettingsFile}, {M::ParameterView, U::OpenFirmwareFile},
    {M::ParameterView, U::RestartConverter}, {M::ParameterView, U::TestLeds},     {M::ParameterView, U::RescanPorts},
    {M::ParameterView, U::RealtimeView},   {M::ParameterView, U::IncomingView},   {M::ParameterView, U::PickSentence},
    {M::ParameterView, U::PipelinePreset}, {M::ParameterView, U::TypeIntoField},
    {M::IncomingView, U::ReadSettings},    {M::IncomingView, U::SendSettings},    {M::IncomingView, U::SaveConfig},
    {M::IncomingView, U::OpenSettingsFile}, {M::IncomingView, U::OpenFirmwareFile},
    {M::IncomingView, U::RestartConverter}, {M::IncomingView, U::TestLeds},       {M::IncomingView, U::RescanPorts},
    {M::IncomingView, U::RealtimeView},    {M::IncomingView, U::IncomingView},    {M::IncomingView, U::PickSentence},
    {M::IncomingView, U::ClearConfig},     {M::IncomingView, U::MainFunction},    {M::IncomingView, U::PipelinePreset},
    {M::IncomingView, U::TypeIntoField},
    {M::ParameterView, U::ClickSetting},   {M::IncomingView, U::ClickSetting},
};
// clang-format on

using Cell = std::pair<Exchange, UserAction>;

Cell cellOf(const Case& c) {
    return {c.decidedIdle ? Exchange::Idle : exchangeAt(c.moment), c.action};
}

// The table's seam: records every cell asked and, for the second run, answers one with another rule.
struct Seam {
    std::vector<Cell> asked;
    std::optional<Cell> changed;
    ExchangeRule replacement;
};

Seam seam;

ExchangeRule seamRule(Exchange running, UserAction action, ExchangeRule fromTable) {
    seam.asked.emplace_back(running, action);
    if (seam.changed == Cell{running, action}) return seam.replacement;
    return fromTable;
}

constexpr char16_t refusedByTest[] = u"Refused by the pair test";

// Another decision than the table's: what goes ahead is refused, what is refused, stopped first or
// asked goes ahead.
ExchangeRule anotherDecision(const ExchangeRule& rule) {
    if (rule.verdict == Verdict::Allow) return {Verdict::Refuse, refusedByTest};
    return {Verdict::Allow};
}

const char* verdictName(Verdict verdict) {
    switch (verdict) {
    case Verdict::Allow:
        return "allow";
    case Verdict::Refuse:
        return "refuse";
    case Verdict::StopFirst:
        return "stop first";
    case Verdict::Ask:
        return "ask";
    case Verdict::Unreachable:
        return "unreachable";
    }
    return "?";
}

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

// What the address field shows on screen and what the program took from it: they must agree.
std::u16string addressShown() {
    const Widget& field = mainForm.identity.addressField;
    char16_t shown[64] = {};
    platform::windowText(field.editWindow, shown, 64);
    return textOf(field) == shown ? shown : u"(the field shows " + std::u16string(shown) + u")";
}

bool formShows(Form form, bool modbus) {
    const std::optional<MainFunction> function = SelectedMainFunction();
    const RegisterSetPanel& table = mainForm.registerSets;
    switch (form) {
    case Form::NotLooked:
        return true;
    case Form::Converter:
        if (modbus) return function == MainFunction::ModbusToSdi12 && textOf(table.command[0]) == u"3";
        return function == MainFunction::NmeaToSdi12 && textOf(mainForm.sentence.sentenceIdField) == u"GPGGA";
    case Form::NmeaChosen:
        return function == MainFunction::NmeaToSdi12 && !mainForm.mainFunction.modbusRadio.checked;
    case Form::FileOpened:
    case Form::ModbusChosen:
        return function == MainFunction::ModbusToSdi12;
    case Form::Picked:
        return textOf(mainForm.sentence.sentenceIdField) == sentenceCatalogue.entries[1].id.c_str();
    case Form::Cleared:
        return textOf(mainForm.sentence.sentenceIdField).empty();
    case Form::Preset:
        return textOf(table.command[0]) == u"4" && textOf(table.startReg[0]) == u"2";
    case Form::Typed:
        return addressShown() == u"7";
    case Form::Untyped:
        return addressShown() != u"7" && addressShown().find(u"(the field") == std::u16string::npos;
    case Form::ViewEnded:
        return formModel.viewedParameter <= 0 && mainForm.commands.readButton.enabled;
    case Form::Reflected:
    case Form::Unreflected:
        return mainForm.controlOutput.reflectBox.checked == (form == Form::Reflected) &&
               formModel.reflectOutputInLed == (form == Form::Reflected ? 1 : 0);
    }
    return false;
}

platform::WindowHandle ownerWindow(Owner owner) {
    switch (owner) {
    case Owner::Main:
        return mainForm.window.window;
    case Owner::Picker:
        return pickerWindow.window;
    case Owner::None:
        return nullptr;
    }
    return nullptr;
}

class ExchangeRun : public testing::ProgramTest {
  protected:
    testing::ConverterDevice* device = nullptr;

    void TearDown() override {
        SetRuleSeam(nullptr);
        ProgramTest::TearDown();
    }

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

    // Starts the program with the converter on COM3 and brings it to the moment; returns when a due
    // step is to fall due behind the click. A scan of a Modbus converter is a rescan after it was read,
    // so that the form shows its table.
    std::uint32_t reach(Moment moment, bool modbus) {
        device = &converterOn(3);
        // COM1 and COM2 open but cannot be set up: the scan waits a step after each, showing
        // "Scanning 1" and "Scanning 2", before it reaches the converter.
        SerialPortFaults noSetup;
        noSetup.applySettingsError = 31;
        for (const std::int32_t number : {1, 2}) {
            converterOn(number);
            setSerialPortFaults("\\\\.\\COM" + std::to_string(number), noSetup);
        }
        if (modbus) device->model.setFunction(sim::Function::Modbus);
        putFile(settingsPath, sim::ConverterModel().image(sim::Function::Modbus));
        putFile(firmwarePath, firmwareImage());
        startProgram();
        const auto connected = [this] { EXPECT_TRUE(connectedTo(3)); };
        const bool scan = moment == Moment::ScanStep || moment == Moment::ScanReply;
        if (scan && modbus) {
            connected();
            press(mainForm.commPort.rescanButton);
            // COM0 is passed at once: the scan starts at "Scanning 1".
            EXPECT_TRUE(
                pumpUntil([] { return textOf(mainForm.commPort.portLabel).starts_with(u"Scanning"); }));
        }
        switch (moment) {
        case Moment::Idle:
            connected();
            return 0;
        case Moment::ScanStep:
            EXPECT_TRUE(pumpUntil([] { return textOf(mainForm.commPort.portLabel) == u"Scanning 1"; }));
            return 50;
        case Moment::ScanReply:
            EXPECT_TRUE(pumpUntil([] { return textOf(mainForm.commPort.portLabel) == u"COM3"; }));
            return 0;
        case Moment::ReadReply:
            connected();
            press(mainForm.commands.readButton);
            return 0;
        case Moment::Firmware:
            connected();
            chooseFirmware();
            EXPECT_TRUE(pumpUntil([] { return textOf(mainForm.status.line) == u"Sending Packet 5 / 20"; }));
            return 0;
        case Moment::FirmwareArmed:
            connected();
            chooseFirmware();
            return 0;
        case Moment::ParameterView:
            connected();
            press(mainForm.sentence.slot[1], 0, true);
            EXPECT_EQ(formModel.viewedParameter, 2);
            return 0;
        case Moment::ScanHalted:
            setSerialPortFaults("\\\\.\\COM3", SerialPortFaults{.readError = 995});
            EXPECT_TRUE(pumpUntil([] { return textOf(mainForm.status.line) == u"File Read Error 995"; }));
            pumpFor(1000); // the reply's rest in the port, where the next query purges it
            setSerialPortFaults("\\\\.\\COM3", {});
            return 0;
        case Moment::IncomingView:
            connected();
            press(mainForm.sentence.pickButton);
            press(sentencePicker.incomingButton);
            EXPECT_EQ(textOf(sentencePicker.incomingButton), u"Hide Incoming NMEA");
            return 0;
        }
        return 0;
    }

    void act(UserAction action, std::uint32_t upForMs, std::int32_t boxAnswer, std::uint32_t dueInMs) {
        switch (action) {
        case U::ReadSettings:
            return press(mainForm.commands.readButton, dueInMs);
        case U::SendSettings:
            return press(mainForm.commands.sendButton, dueInMs);
        case U::SaveConfig:
            answerNextFileDialog(savePath, upForMs);
            return press(mainForm.commands.saveButton, dueInMs);
        case U::OpenSettingsFile:
            answerNextFileDialog(settingsPath, upForMs);
            return press(mainForm.commands.openButton, dueInMs);
        case U::OpenFirmwareFile:
            answerNextFileDialog(firmwarePath);
            answerNextBoxAfter(platform::box::AnswerOk, upForMs);
            return press(mainForm.commands.openButton, dueInMs);
        case U::RestartConverter:
            return press(mainForm.commands.restartButton, dueInMs);
        case U::TestLeds:
            return press(mainForm.commands.testLedsButton, dueInMs);
        case U::RescanPorts:
            return press(mainForm.commPort.rescanButton, dueInMs);
        case U::RealtimeView:
            return press(mainForm.sentence.slot[1], dueInMs, true);
        case U::IncomingView:
            press(mainForm.sentence.pickButton, dueInMs);
            return press(sentencePicker.incomingButton);
        case U::CloseWindow:
            answerNextBoxAfter(boxAnswer, 0);
            advanceClock(dueInMs);
            platform::postMessage(mainForm.window.window, platform::msg::Close, 0, 0);
            pumpPending();
            return;
        case U::PickSentence:
            // The second sentence and its first parameter, then "OK".
            press(mainForm.sentence.pickButton);
            press(sentencePicker.sentenceButton[1]);
            press(sentencePicker.row[0]);
            return press(sentencePicker.okButton, dueInMs);
        case U::ClearConfig:
            return press(mainForm.commands.clearConfigButton, dueInMs);
        case U::MainFunction:
            return press(mainForm.mainFunction.modbusRadio, dueInMs);
        case U::PipelinePreset:
            platform::testing::answerNextBoxes({platform::box::AnswerOk});
            return press(mainForm.registerSets.pipelineButton[0], dueInMs);
        case U::TypeIntoField:
            press(mainForm.identity.addressField);
            advanceClock(dueInMs);
            platform::testing::typeText(u"7");
            pumpPending();
            return;
        case U::ClickSetting:
            return press(mainForm.controlOutput.reflectBox, dueInMs);
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

    // The case with the table's cell, or with the cell changed.
    void run(const Case& c, std::optional<ExchangeRule> changed) {
        const std::uint32_t dueInMs = reach(c.moment, c.modbus);
        const testing::ConverterDevice& converter = *device;
        const Line before = lineOf(converter.model.counters());
        const std::size_t boxesBefore = testing::boxCount();
        const std::u16string statusBefore = textOf(mainForm.status.line);
        seam = Seam{};
        if (changed) seam = Seam{{}, cellOf(c), *changed};
        SetRuleSeam(seamRule);
        // A nervous hand clicks again under the box: a box with an owner keeps that window out of use.
        std::optional<std::size_t> askedUnderBox;
        if (c.box != nullptr && c.boxOwner != Owner::None) {
            Widget& again =
                c.boxOwner == Owner::Picker ? sentencePicker.okButton : mainForm.commands.readButton;
            whileNextBoxIsUp([&again, &askedUnderBox] {
                const std::size_t askedBefore = seam.asked.size();
                press(again);
                askedUnderBox = seam.asked.size() - askedBefore;
            });
        }

        act(c.action, c.upForMs, c.boxAnswer, dueInMs);
        const std::vector<Cell> askedAtOnce = seam.asked;
        if (c.status == kept) {
            EXPECT_EQ(textOf(mainForm.status.line), statusBefore) << "status right after";
        } else if (c.status != nullptr) {
            EXPECT_EQ(textOf(mainForm.status.line), c.status) << "status right after";
        }
        if (c.box != nullptr) {
            EXPECT_GT(testing::boxCount(), boxesBefore);
            EXPECT_EQ(testing::lastBoxText(), c.box);
            if (testing::boxCount() > boxesBefore) {
                EXPECT_EQ(shownBoxes().back().owner, ownerWindow(c.boxOwner));
            }
            if (c.boxOwner != Owner::None) {
                EXPECT_EQ(askedUnderBox, std::optional<std::size_t>(0)) << "a click under the box was taken";
            }
        }
        EXPECT_TRUE(formShows(c.now, c.modbus)) << "the form right after the action";
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
            EXPECT_TRUE(formShows(c.atEnd, c.modbus)) << "the form once the chain has ended";
        }
        const Line line = since(lineOf(converter.model.counters()), before);
        EXPECT_EQ(line, c.line) << describe(line);
        EXPECT_EQ(converter.model.counters().unknownBytes, 0u);
        EXPECT_EQ(converter.model.counters().packetsRejected, 0u);
        EXPECT_EQ(fileContents(savePath).has_value(), c.saved) << "a file saved";
        if (c.line.firmwareUpdates == 1) {
            Bytes whole = firmwareImage();
            whole.resize(whole.size() + 32, 0); // the last packet: no data left, zero filled
            EXPECT_EQ(converter.model.firmware(), whole);
        }
        // The case is about its cell: the action asked it.
        EXPECT_NE(std::find(askedAtOnce.begin(), askedAtOnce.end(), cellOf(c)), askedAtOnce.end())
            << "the action did not ask its cell of the table";
    }
};

std::string caseName(Moment moment, UserAction action, std::size_t index) {
    std::string name =
        std::string(momentName(moment)) + "_" + UserActionName(action) + "_" + std::to_string(index);
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
}

class ExchangePairs : public ExchangeRun, public ::testing::WithParamInterface<std::size_t> {};

// The case passes with the table as it is, and fails with its cell changed.
TEST_P(ExchangePairs, CaseHoldsAndFailsWithItsCellChanged) {
    const Case& c = cases[GetParam()];
    const auto [exchange, action] = cellOf(c);
    const ExchangeRule rule = RuleFor(exchange, action);
    SCOPED_TRACE(std::string(UserActionName(c.action)) + " during " + momentName(c.moment) +
                 (c.upForMs != 0 ? ", its dialog up " + std::to_string(c.upForMs) + " ms" : "") + ", cell " +
                 ExchangeName(exchange) + " / " + UserActionName(action) + ": " + verdictName(rule.verdict));
    run(c, std::nullopt);

    const ExchangeRule changed = anotherDecision(rule);
    ::testing::TestPartResultArray failures;
    {
        const ::testing::ScopedFakeTestPartResultReporter intercept(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        TearDown();
        SetUp();
        run(c, changed);
    }
    EXPECT_GT(failures.size(), 0) << "the case still passes with its cell changed to "
                                  << verdictName(changed.verdict);
}

INSTANTIATE_TEST_SUITE_P(Cells, ExchangePairs, ::testing::Range<std::size_t>(0, std::size(cases)),
                         [](const ::testing::TestParamInfo<std::size_t>& param) {
                             const Case& c = cases[param.param];
                             return caseName(c.moment, c.action, param.param);
                         });

class UnreachableCells : public ExchangeRun, public ::testing::WithParamInterface<std::size_t> {};

// The input of an unreachable cell, given at its moment, never asks the table.
TEST_P(UnreachableCells, InputNeverAsksTheCell) {
    const NeverAsked& n = neverAsked[GetParam()];
    const Cell cell{exchangeAt(n.moment), n.action};
    const ExchangeRule rule = RuleFor(cell.first, cell.second);
    SCOPED_TRACE(std::string(UserActionName(n.action)) + " during " + momentName(n.moment) + ": " +
                 (rule.text != nullptr
                      ? std::string(rule.text, rule.text + std::char_traits<char16_t>::length(rule.text))
                      : std::string()));
    const std::uint32_t dueInMs = reach(n.moment, false);
    seam = Seam{};
    SetRuleSeam(seamRule);
    act(n.action, 0, platform::box::AnswerOk, dueInMs);
    EXPECT_EQ(std::find(seam.asked.begin(), seam.asked.end(), cell), seam.asked.end());
    EXPECT_TRUE(seam.asked.empty()) << "another cell was asked";
    endViews();
    EXPECT_TRUE(pumpUntil([] { return !mainJobArmed() && buttonsEnabled(); }, 60000));
}

INSTANTIATE_TEST_SUITE_P(Cells, UnreachableCells, ::testing::Range<std::size_t>(0, std::size(neverAsked)),
                         [](const ::testing::TestParamInfo<std::size_t>& param) {
                             const NeverAsked& n = neverAsked[param.param];
                             return caseName(n.moment, n.action, param.param);
                         });

// Every cell of the table has its cases, or its proof that no input reaches it; counted from the
// enumerations themselves.
TEST(ExchangeTable, EveryCellHasItsCaseOrItsProofOfUnreachability) {
    std::set<Cell> withCase, withProof;
    for (const Case& c : cases)
        withCase.insert(cellOf(c));
    for (const NeverAsked& n : neverAsked)
        withProof.insert({exchangeAt(n.moment), n.action});
    std::size_t cells = 0, reachable = 0;
    for (std::int32_t e = 0; ExchangeName(static_cast<Exchange>(e)) != nullptr; ++e) {
        for (std::int32_t a = 0; UserActionName(static_cast<UserAction>(a)) != nullptr; ++a) {
            const Cell cell{static_cast<Exchange>(e), static_cast<UserAction>(a)};
            const ExchangeRule rule = RuleFor(cell.first, cell.second);
            SCOPED_TRACE(std::string(ExchangeName(cell.first)) + " / " + UserActionName(cell.second));
            ++cells;
            if (rule.verdict == Verdict::Unreachable) {
                EXPECT_TRUE(withProof.contains(cell)) << "no proof that the cell is unreachable";
                EXPECT_FALSE(withCase.contains(cell)) << "a case of an unreachable cell";
                EXPECT_NE(rule.text, nullptr) << "an unreachable cell says why";
            } else {
                ++reachable;
                EXPECT_TRUE(withCase.contains(cell)) << "no case";
                EXPECT_FALSE(withProof.contains(cell))
                    << "a proof of unreachability for a cell with a decision";
            }
            if (rule.verdict == Verdict::Refuse || rule.verdict == Verdict::Ask) {
                EXPECT_NE(rule.text, nullptr);
            }
        }
    }
    // What is no enumerator is refused.
    const auto outside = static_cast<Exchange>(cells);
    EXPECT_EQ(RuleFor(outside, UserAction::ReadSettings).verdict, Verdict::Refuse);
    EXPECT_EQ(RuleFor(Exchange::Idle, static_cast<UserAction>(cells)).verdict, Verdict::Refuse);
    std::printf("exchange table: %zu cells, %zu reachable, %zu cases, %zu proofs of unreachable cells\n",
                cells, reachable, std::size(cases), std::size(neverAsked));
}

} // namespace
} // namespace zor
