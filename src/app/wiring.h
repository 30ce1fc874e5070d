// The one place that names every subsystem: hands the link and the NMEA tools the widgets and form
// functions they drive, before anything is built.
#pragma once

namespace zor {

void WireSubsystems();

// Once the form is built: the handlers of the buttons that talk to the converter and to files.
void AttachExchangeHandlers();

// After the form is built: the real-time view starts by a right click on a parameter slot and ends by
// a click on the status box or the status line.
void AttachNmeaHandlers();

} // namespace zor
