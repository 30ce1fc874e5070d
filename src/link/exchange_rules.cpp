// The one table that decides what a user action does while an exchange holds the port. Each row is a
// switch over every action with no default: an action or exchange added without its cells does not
// compile (warnings are errors). What is no enumerator is refused.
#include "link/exchange_owner.h"

namespace zor {
namespace {

using U = UserAction;

constexpr ExchangeRule A{Verdict::Allow};
constexpr ExchangeRule S{Verdict::StopFirst};

// Refusals: the status line says what runs and how to end it.
constexpr ExchangeRule scan{Verdict::Refuse, u"Scanning ports: stop the scan first"};
// The scan's query is on its way: its reply reads the converter if one answers, and a second query
// would put two replies on the line, one behind the other.
constexpr ExchangeRule scanRead{Verdict::Refuse,
                                u"Scanning ports: the settings are read when the converter answers"};
constexpr ExchangeRule read{Verdict::Refuse, u"Reading settings: wait for the reply"};
constexpr ExchangeRule firm{Verdict::Refuse, u"Firmware update in progress"};
// The views refuse a scan in a box: the parameter view as it always has, the incoming view alike (its
// picker stands in front of the status line).
constexpr ExchangeRule scPV{Verdict::Refuse,
                            u"Comm port scanning must be stopped\r\nbefore viewing NMEA parameters.",
                            u"Parameter View Mode"};
constexpr ExchangeRule scIV{Verdict::Refuse,
                            u"Comm port scanning must be stopped\r\nbefore viewing incoming NMEA.",
                            u"Incoming NMEA"};
// The picker stands in front of the status line as well.
constexpr ExchangeRule scPK{Verdict::Refuse,
                            u"Comm port scanning must be stopped\r\nbefore a sentence is taken.",
                            u"Select NMEA Sentence"};
constexpr ExchangeRule rdPK{Verdict::Refuse,
                            u"Reading settings: wait for the reply\r\nbefore a sentence is taken.",
                            u"Select NMEA Sentence"};
// Closing during an update leaves the converter half-flashed: asked first.
constexpr ExchangeRule ASK{Verdict::Ask,
                           u"A firmware update is in progress.\r\n"
                           u"Closing now leaves the converter without firmware!\r\n"
                           u"Click 'OK' to close anyway or 'Cancel' to go on with the update.",
                           u"Firmware Update Warning"};
// Cells no input reaches; refused should one ever come.
constexpr ExchangeRule offDuringView{Verdict::Unreachable,
                                     u"the parameter view takes the form's controls out of use"};
constexpr ExchangeRule offBehindPicker{Verdict::Unreachable,
                                       u"the picker of the incoming view keeps the main window disabled"};
constexpr ExchangeRule offDuringIncoming{Verdict::Unreachable,
                                         u"the picker's selection and OK are out of use while the view runs"};
constexpr ExchangeRule unknown{Verdict::Refuse, u"Another exchange holds the port"};

constexpr ExchangeRule idle(UserAction action) {
    switch (action) {
    case U::ReadSettings:
    case U::SendSettings:
    case U::SaveConfig:
    case U::OpenSettingsFile:
    case U::OpenFirmwareFile:
    case U::RestartConverter:
    case U::TestLeds:
    case U::RescanPorts:
    case U::RealtimeView:
    case U::IncomingView:
    case U::CloseWindow:
    case U::PickSentence:
    case U::ClearConfig:
    case U::MainFunction:
    case U::PipelinePreset:
    case U::TypeIntoField:
    case U::ClickSetting:
        return A;
    }
    return unknown;
}

// "Read Settings" between two steps takes the scan's slot and its reply job goes on scanning (the port
// is closed between steps, or open after a read error, when the scan stands still); "Rescan Ports" is
// the stop. Nothing else writes to a port that is only being tried. A file's settings stop the scan
// first, so that the scan can neither pass the converter by nor stop on a port where nothing answered.
// What changes the form is refused: the scan's reply would overwrite it once the converter answers.
constexpr ExchangeRule scanning(UserAction action, bool replyOnItsWay) {
    switch (action) {
    case U::ReadSettings:
        return replyOnItsWay ? scanRead : A;
    case U::SaveConfig:
    case U::RescanPorts:
    case U::CloseWindow:
        return A;
    case U::OpenSettingsFile:
        return S;
    case U::SendSettings:
    case U::OpenFirmwareFile:
    case U::RestartConverter:
    case U::TestLeds:
    case U::ClearConfig:
    case U::MainFunction:
    case U::PipelinePreset:
    case U::TypeIntoField:
    case U::ClickSetting:
        return scan;
    case U::RealtimeView:
        return scPV;
    case U::IncomingView:
        return scIV;
    case U::PickSentence:
        return scPK;
    }
    return unknown;
}

// What fills the form from a file cancels the wait first, so that the late reply cannot overwrite it
// afterwards. What the technician changes in the form waits for the reply, as does a second query (two
// replies would meet in the buffer): "Send Settings" asks the converter who it is before it writes. A new
// scan and a firmware update wait too: the rest of the reply, still on the line, would come before the answer
// they wait for and hide it behind the image's zero bytes. The parameter view reads the same line: it waits
// as well.
constexpr ExchangeRule readReply(UserAction action) {
    switch (action) {
    case U::SaveConfig:
    case U::RestartConverter:
    case U::TestLeds:
    case U::CloseWindow:
        return A;
    case U::OpenSettingsFile:
    case U::IncomingView:
        return S;
    case U::SendSettings:
    case U::ReadSettings:
    case U::OpenFirmwareFile:
    case U::RescanPorts:
    case U::RealtimeView:
    case U::ClearConfig:
    case U::MainFunction:
    case U::PipelinePreset:
    case U::TypeIntoField:
    case U::ClickSetting:
        return read;
    case U::PickSentence:
        return rdPK;
    }
    return unknown;
}

// The update never reads the settings: the form stays the technician's to edit.
constexpr ExchangeRule firmware(UserAction action) {
    switch (action) {
    case U::ReadSettings:
    case U::SendSettings:
    case U::SaveConfig:
    case U::OpenSettingsFile:
    case U::OpenFirmwareFile:
    case U::RestartConverter:
    case U::TestLeds:
    case U::RescanPorts:
    case U::RealtimeView:
    case U::IncomingView:
        return firm;
    case U::CloseWindow:
        return ASK;
    case U::PickSentence:
    case U::ClearConfig:
    case U::MainFunction:
    case U::PipelinePreset:
    case U::TypeIntoField:
    case U::ClickSetting:
        return A;
    }
    return unknown;
}

// "Main Function" and "Clear Config" stay in use and end the view first, as closing does: the view
// shows a field of the sentence that they change.
constexpr ExchangeRule realtimeView(UserAction action) {
    switch (action) {
    case U::CloseWindow:
    case U::ClearConfig:
    case U::MainFunction:
        return S;
    case U::ReadSettings:
    case U::SendSettings:
    case U::SaveConfig:
    case U::OpenSettingsFile:
    case U::OpenFirmwareFile:
    case U::RestartConverter:
    case U::TestLeds:
    case U::RescanPorts:
    case U::RealtimeView:
    case U::IncomingView:
    case U::PickSentence:
    case U::PipelinePreset:
    case U::TypeIntoField:
    case U::ClickSetting:
        return offDuringView;
    }
    return unknown;
}

constexpr ExchangeRule incomingView(UserAction action) {
    switch (action) {
    case U::CloseWindow:
        return S;
    case U::PickSentence:
    case U::IncomingView: // its button is then "Hide Incoming NMEA", which ends the view
        return offDuringIncoming;
    case U::ReadSettings:
    case U::SendSettings:
    case U::SaveConfig:
    case U::OpenSettingsFile:
    case U::OpenFirmwareFile:
    case U::RestartConverter:
    case U::TestLeds:
    case U::RescanPorts:
    case U::RealtimeView:
    case U::ClearConfig:
    case U::MainFunction:
    case U::PipelinePreset:
    case U::TypeIntoField:
    case U::ClickSetting:
        return offBehindPicker;
    }
    return unknown;
}

} // namespace

ExchangeRule RuleFor(Exchange running, UserAction action) {
    switch (running) {
    case Exchange::Idle:
        return idle(action);
    case Exchange::Scan:
        return scanning(action, false);
    case Exchange::ScanReply:
        return scanning(action, true);
    case Exchange::ReadReply:
        return readReply(action);
    case Exchange::Firmware:
        return firmware(action);
    case Exchange::RealtimeView:
        return realtimeView(action);
    case Exchange::IncomingView:
        return incomingView(action);
    }
    return unknown;
}

const char* ExchangeName(Exchange exchange) {
    switch (exchange) {
    case Exchange::Idle:
        return "idle";
    case Exchange::Scan:
        return "scan";
    case Exchange::ScanReply:
        return "scan reply";
    case Exchange::ReadReply:
        return "read reply";
    case Exchange::Firmware:
        return "firmware";
    case Exchange::RealtimeView:
        return "parameter view";
    case Exchange::IncomingView:
        return "incoming view";
    }
    return nullptr;
}

const char* UserActionName(UserAction action) {
    switch (action) {
    case U::ReadSettings:
        return "Read Settings";
    case U::SendSettings:
        return "Send Settings";
    case U::SaveConfig:
        return "Save Config";
    case U::OpenSettingsFile:
        return "Open Config (settings)";
    case U::OpenFirmwareFile:
        return "Open Config (firmware)";
    case U::RestartConverter:
        return "Restart Converter";
    case U::TestLeds:
        return "Test LEDs";
    case U::RescanPorts:
        return "Rescan Ports";
    case U::RealtimeView:
        return "right click on a slot";
    case U::IncomingView:
        return "View Incoming NMEA";
    case U::CloseWindow:
        return "close";
    case U::PickSentence:
        return "Pick, OK";
    case U::ClearConfig:
        return "Clear Config";
    case U::MainFunction:
        return "Main Function";
    case U::PipelinePreset:
        return "PLT";
    case U::TypeIntoField:
        return "typing into a field";
    case U::ClickSetting:
        return "a click on a setting";
    }
    return nullptr;
}

} // namespace zor
