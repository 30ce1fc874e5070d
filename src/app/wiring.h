// The one place that names every subsystem: hands the link and the NMEA tools the widgets and form
// functions they drive, before anything is built.
#pragma once

namespace zor {

void WireSubsystems();

// After the form is built: the real-time view starts by a right click on a parameter slot and ends by
// a click on the status box or the status line.
void AttachNmeaHandlers();

} // namespace zor
