// The program's mutable state, all of it in one list: every global the subsystems keep, with the file
// that owns it. Widgets and records live for the whole run; ResetProgramState puts each back to the
// value it has when the process starts.
//
//   toolkit            toolkit/widget.cpp            event gate, open windows, focus, radio group being
//                                                    built, default font, exit hook, drawing library token
//   theme              toolkit/theme_apply.cpp       the colours every top-level window copies
//   mainForm           form/main_form_build.cpp      every widget record of the main window
//   formModel          form/form_model.cpp           the one record of the settings (viewedParameter too)
//   converterHeld      form/form_model.cpp           what the converter holds, for the unsent changes
//   saved controls     form/realtime_view_widgets.cpp  the controls' states from before the real-time view
//   converterLink      link/link_state.cpp           port handle, scan number, receive and image buffers,
//                                                    the widgets the link drives
//   linkHooks          link/link_hooks.cpp           the form functions the link calls
//   port holder        link/exchange_owner.cpp       which exchange holds the port, and how to stop it
//   firmware update    link/firmware_update.cpp      the update's packets, cursor and state
//   sentenceCatalogue  nmea/sentence_catalogue.cpp   the entries read from "nmea.txt"; how many of them
//                                                    caption a sentence button (nmea/sentence_picker.cpp),
//                                                    both set anew by LoadSentenceCatalogue at start-up
//   pickerWindow,      nmea/sentence_picker.cpp      the picker window, its widget records, the picked
//   sentencePicker                                   sentence and parameters
//   incoming view      nmea/incoming_view.cpp        on, paused, and the rows shown
//   nmeaHooks          nmea/nmea_hooks.cpp           the form functions the NMEA tools call
//
// Not in the list: the window class name buffer (toolkit/message_loop.cpp) and the text objects of
// render/text_objects.cpp are caches the drawing side fills and the message loop's end releases.
#pragma once

namespace zor {

// Every entry of the list back to its start value, windows released widget by widget. The program
// starts with it (where it changes nothing: a new process has these values), and every test fixture
// calls it, so that each test starts from the program's own start.
void ResetProgramState();

} // namespace zor
