// The one place that names every subsystem: hands the link and the NMEA tools the widgets and form
// functions they drive, before anything is built.
#pragma once

namespace zor {

void WireSubsystems();

} // namespace zor
