// The one table that decides what a user action does while an exchange holds the port.
#include "link/exchange_owner.h"

namespace zor {
namespace {

constexpr ExchangeRule A{Verdict::Allow};
constexpr ExchangeRule S{Verdict::StopFirst};

// Refusals: the status line says what runs and how to end it.
constexpr ExchangeRule scan{Verdict::Refuse, u"Scanning ports: stop the scan first"};
constexpr ExchangeRule busy{Verdict::Refuse, u"Another exchange holds the port"};
constexpr ExchangeRule read{Verdict::Refuse, u"Reading settings: wait for the reply"};
constexpr ExchangeRule firm{Verdict::Refuse, u"Firmware update in progress"};
constexpr ExchangeRule real{Verdict::Refuse,
                            u"Parameter view running: click the status line to end it first"};
constexpr ExchangeRule inco{Verdict::Refuse, u"Incoming NMEA view running: hide it first"};
// The views refuse a scan in a box: the parameter view as it always has, the incoming view alike (its
// picker stands in front of the status line).
constexpr ExchangeRule scPV{Verdict::Refuse,
                            u"Comm port scanning must be stopped\r\nbefore viewing NMEA parameters.",
                            u"Parameter View Mode"};
constexpr ExchangeRule scIV{Verdict::Refuse,
                            u"Comm port scanning must be stopped\r\nbefore viewing incoming NMEA.",
                            u"Incoming NMEA"};
// Closing during an update leaves the converter half-flashed: asked first.
constexpr ExchangeRule ASK{Verdict::Ask,
                           u"A firmware update is in progress.\r\n"
                           u"Closing now leaves the converter without firmware!\r\n"
                           u"Click 'OK' to close anyway or 'Cancel' to go on with the update.",
                           u"Firmware Update Warning"};

// Rows in the order of Exchange, columns in the order of UserAction.
//
// Scan: "Read Settings" takes the scan's slot and its reply job goes on scanning; "Rescan Ports" is the
// stop. Nothing else writes to a port that is only being tried. A file's settings stop the scan first,
// so that the scan can neither pass the converter by nor stop on a port where nothing answered.
// ReplyWait: what writes to the port or fills the form cancels the wait first, so that the late reply
// cannot overwrite the form afterwards. A new scan and a firmware update wait for the reply: its rest, still
// on the line, would come before the answer they wait for and hide it behind the image's zero bytes. Views
// end themselves (streaming stopped) before the program closes.
// clang-format off
constexpr ExchangeRule table[exchangeCount][userActionCount] = {
    // Read Send  Save  OpenC OpenF Rest  LEDs  Scan  PView IView Close
    {A,    A,    A,    A,    A,    A,    A,    A,    A,    A,    A  },  // Idle
    {A,    scan, A,    S,    scan, scan, scan, A,    scPV, scIV, A  },  // Scan
    {A,    S,    A,    S,    read, A,    A,    read, A,    S,    A  },  // ReplyWait
    {busy, busy, busy, busy, busy, busy, busy, busy, busy, busy, A  },  // Send
    {busy, busy, busy, busy, busy, busy, busy, busy, busy, busy, A  },  // File
    {firm, firm, firm, firm, firm, firm, firm, firm, firm, firm, ASK},  // Firmware
    {real, real, real, real, real, real, real, real, real, real, S  },  // RealtimeView
    {inco, inco, inco, inco, inco, inco, inco, inco, inco, inco, S  },  // IncomingView
};
// clang-format on

} // namespace

ExchangeRule RuleFor(Exchange running, UserAction action) {
    const auto row = static_cast<std::int32_t>(running);
    const auto column = static_cast<std::int32_t>(action);
    if (row < 0 || row >= exchangeCount || column < 0 || column >= userActionCount) return A;
    return table[row][column];
}

} // namespace zor
