// One exchange at a time: which exchange holds the converter's port and the main window's job slot,
// and what each user action does while it runs. Every button, right click and close that would touch
// the port, and every action that changes the settings in the form, asks here first; one table decides
// (exchange_rules.cpp).
#pragma once

#include "toolkit/widget.h"

#include <cstdint>

namespace zor {

// What holds the port now. Each exchange here lasts across messages, so that a click can come while it
// runs; "Send Settings" and the files write or read in one call and hold nothing a click could meet.
enum class Exchange : std::int32_t {
    Idle,
    Scan,         // the scan stepping to its next port, or left switched on after a read error
    ScanReply,    // the scan's query written, its reply on its way
    ReadReply,    // the query of "Read Settings" written, its reply on its way
    Firmware,     // the firmware job armed on the main window, from the file taken to the last packet
    RealtimeView, // the parameter view streaming into the status line
    IncomingView, // the incoming view streaming into the picker
};

enum class UserAction : std::int32_t {
    ReadSettings,
    SendSettings,
    SaveConfig,
    OpenSettingsFile,
    OpenFirmwareFile,
    RestartConverter,
    TestLeds,
    RescanPorts,
    RealtimeView, // right click on a parameter slot
    IncomingView, // "View Incoming NMEA"
    CloseWindow,  // the main window's close box or Alt+F4
    // What changes the settings in the form: a reply landing afterwards would overwrite it.
    PickSentence,   // the picker's "OK" taking the sentence and its slots
    ClearConfig,    // "Clear Config"
    MainFunction,   // a "Main Function" radio
    PipelinePreset, // a "PLT" button of the Modbus table
    TypeIntoField,  // a key typed into a field of the form
    ClickSetting,   // a click on a parameter slot, check box, threshold function or baud radio, ON/OFF
};

// The names, for messages and tests. Null for a value that is no enumerator: counting up from zero
// until the first null visits every enumerator, with no count to keep.
const char* ExchangeName(Exchange exchange);
const char* UserActionName(UserAction action);

enum class Verdict : std::int32_t {
    Allow,       // goes ahead beside or in place of what runs, as the converter link always did
    Refuse,      // nothing happens but the refusal (status line, or a box where a caption is given)
    StopFirst,   // what runs is stopped visibly (label, button and status agree), then the action goes
    Ask,         // a warning box asks; OK goes ahead
    Unreachable, // no input reaches it while the exchange runs (text: why); refused should it ever come
};

struct ExchangeRule {
    Verdict verdict = Verdict::Refuse;
    const char16_t* text = nullptr;       // the refusal, the question, or why the cell is unreachable
    const char16_t* boxCaption = nullptr; // set: shown in a box rather than the status line
};

// The table: what the action does while the exchange runs. A value outside the enumerations is
// refused.
ExchangeRule RuleFor(Exchange running, UserAction action);

Exchange RunningExchange();

// Applies the rule for the action against what runs now: stops what must stop, shows a refusal, or
// asks. True when the action may go ahead. A box has the main window as owner, or the window given
// (the picker, which stands in front of it).
bool MayGoAhead(UserAction action, const Widget* boxOwner = nullptr);

// The views say when they take and give back the port; stop ends the holder visibly when an action
// must stop it first.
void HoldPort(Exchange holder, void (*stop)() = nullptr);
void ReleasePort(Exchange holder);

// Test seam: sees every rule MayGoAhead applies, and may put another in its place (a test changes
// one cell to see that its case notices). Null: the table alone.
using RuleSeam = ExchangeRule (*)(Exchange running, UserAction action, ExchangeRule fromTable);
void SetRuleSeam(RuleSeam seam);

// The main window's close request: during a firmware update the user is asked first.
bool MainWindowCloseRequested(Widget& mainWindow);

// Forgets every hold and the rule seam: a new start of the program (tests start it again in one process).
void ResetPortOwner();

} // namespace zor
