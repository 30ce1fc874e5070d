// The one place that names every subsystem and the one place that fills every slot through which the
// link and the NMEA tools reach up into the form: the widgets the link drives, the link's and the NMEA
// tools' hooks, the handlers of the widgets whose actions live outside form/, and the toolkit's exit
// hook. (The image code never reaches up: it returns plain records that form/ applies.)
#pragma once

namespace zor {

// Before the form is built: the widgets the link drives and the form functions the link and the NMEA
// tools call.
void WireSubsystems();

// Once the form is built: the buttons that talk to the converter and to files, the real-time view
// (started by a right click on a parameter slot, ended by a click on the status box or line), and the
// exit hook that closes the port after the message loop (creating the main window cleared it).
void AttachHandlers();

} // namespace zor
