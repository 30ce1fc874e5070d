// The port scan: numbers 0 to 200 are tried in turn until a converter answers the query. The scanning
// flag is the tag of the "Rescan Ports" button: 1 while a scan is switched on.
#pragma once

#include "toolkit/widget.h"

#include <cstdint>

namespace zor {

inline constexpr std::int32_t firstScanPortNumber = 0;
inline constexpr std::int32_t lastScanPortNumber = 200;
inline constexpr std::uint32_t scanStepPeriodMs = 50;

// Closes the open port, switches scanning on and arms the first scan step on the main window.
void StartPortScan();
// "Rescan Ports": starts a scan, or stops the one running ("Stop Scanning"); a port already opened
// by the scan stays open.
void RescanPortsClicked(Widget& button);
// Scanning off, the button back to "Rescan Ports", the label "---", nothing armed; a port already
// opened by the scan stays open.
void StopPortScan();
// One port per run: open it, set up its line, send the query; or go on with the next number.
void ScanStep(Widget& mainWindow);

bool IsScanning();
// A reply tag was found: scanning off, the button back to "Rescan Ports"; the port stays open.
void EndScanOnReply();
// No tag in the reply: while scanning, the port is closed and the next number tried; otherwise the
// button shows "Rescan Ports" and the port stays open.
void ContinueScanAfterSilence();

} // namespace zor
