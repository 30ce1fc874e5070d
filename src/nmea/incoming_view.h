// The incoming NMEA view on the sentence picker: the converter streams what it receives, and the
// sentences scroll through the picker's rows, read every 500 ms on the picker window's timer.
#pragma once

#include "toolkit/widget.h"

namespace zor {

// Off, not paused, no rows: the state the picker is built with.
void ResetIncomingView();

bool IncomingViewActive();

// "View Incoming NMEA" / "Hide Incoming NMEA": starts the view or stops it.
void IncomingButtonClicked(Widget& button);
// A click on a row while the view runs: the rows stop changing, or go on.
void ToggleIncomingPause();
// The picker window's timer job while the view runs: one read, its sentences into the rows.
void IncomingReadingJob(Widget& window);

} // namespace zor
