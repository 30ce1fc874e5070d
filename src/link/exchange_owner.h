// One exchange at a time: which exchange holds the converter's port and the main window's job slot,
// and what each user action does while it runs. Every button, right click and close that would touch
// the port asks here first; one table decides (exchange_rules.cpp).
#pragma once

#include "toolkit/widget.h"

#include <cstdint>

namespace zor {

// What holds the port now. Scan covers the scan step and the reply wait of a scan, and a scan left
// switched on after a read error; ReplyWait is the wait after "Read Settings". Send and File hold it
// only for their one write or read.
enum class Exchange : std::int32_t {
    Idle,
    Scan,
    ReplyWait,
    Send,
    File,
    Firmware,
    RealtimeView,
    IncomingView,
};
inline constexpr std::int32_t exchangeCount = 8;

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
};
inline constexpr std::int32_t userActionCount = 11;

enum class Verdict : std::int32_t {
    Allow,     // goes ahead beside or in place of what runs, as the converter link always did
    Refuse,    // nothing happens but the refusal (status line, or a box where a caption is given)
    StopFirst, // what runs is stopped visibly (label, button and status agree), then the action goes
    Ask,       // a warning box asks; OK goes ahead
};

struct ExchangeRule {
    Verdict verdict = Verdict::Allow;
    const char16_t* text = nullptr;       // the refusal or the question
    const char16_t* boxCaption = nullptr; // set: shown in a box rather than the status line
};

// The table: what the action does while the exchange runs.
ExchangeRule RuleFor(Exchange running, UserAction action);

Exchange RunningExchange();

// Applies the rule for the action against what runs now: stops what must stop, shows a refusal, or
// asks. True when the action may go ahead.
bool MayGoAhead(UserAction action);

// The views and the one-step exchanges that do not live on the main window's slot say when they take
// and give back the port; stop ends the holder visibly when an action must stop it first.
void HoldPort(Exchange holder, void (*stop)() = nullptr);
void ReleasePort(Exchange holder);

// Send and File hold the port for the scope of their one write or read.
class ScopedPortHold {
  public:
    explicit ScopedPortHold(Exchange holder);
    ~ScopedPortHold();
    ScopedPortHold(const ScopedPortHold&) = delete;
    ScopedPortHold& operator=(const ScopedPortHold&) = delete;

  private:
    Exchange holder_;
    Exchange before_;
};

// The main window's close request: during a firmware update the user is asked first.
bool MainWindowCloseRequested(Widget& mainWindow);

// Forgets every hold: a new start of the program (tests start it again in one process).
void ResetPortOwner();

} // namespace zor
