// Building the main window and every widget of the form in one pass, before the message loop runs.
#pragma once

namespace zor {

// Creates the main window and the whole form in the NMEA layout, builds the sentence picker hidden
// (which loads the catalogue), and leaves the port scan to the caller.
void BuildMainForm();

} // namespace zor
