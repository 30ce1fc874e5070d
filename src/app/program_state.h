// The program's mutable state, all of it in one list: every global the subsystems keep, by the file
// that owns it, each named as "name:". Widgets and records live for the whole run; ResetProgramState
// puts each back to the value it has when the process starts. The build checks the list: a mutable
// global at namespace scope in toolkit/ to app/ that is not named here fails the configuration.
//
//   toolkit/widget.cpp              toolkit: event gate, open windows, focus, radio group being built,
//                                   default font, exit hook, drawing library token, a refused field's
//                                   text being put back
//   toolkit/theme_apply.cpp         theme: the colours every top-level window copies
//   form/main_form_build.cpp        mainForm: every widget record of the main window, the fields being
//                                   committed, the path the file dialogs start from
//   form/form_model.cpp             formModel: the one record of the settings (viewedParameter too);
//                                   converterHeld: what the converter holds, for the unsent changes
//   form/realtime_view_widgets.cpp  saved: the controls' states from before the real-time view
//   link/link_state.cpp             converterLink: port handle, scan number, receive and image buffers,
//                                   the widgets the link drives
//   link/link_hooks.cpp             linkHooks: the form functions the link calls
//   link/exchange_owner.cpp         held: which exchange holds the port, and how to stop it; ruleSeam:
//                                   the tests' rule of which exchange may go ahead
//   link/firmware_update.cpp        firmwareTransfer: the update's packets, cursor and state
//   nmea/sentence_catalogue.cpp     sentenceCatalogue: the entries read from "nmea.txt"
//   nmea/sentence_picker.cpp        captionedEntries: how many of them caption a sentence button (both
//                                   set anew by LoadSentenceCatalogue at start-up); pickerWindow: the
//                                   picker window; sentencePicker: its widget records, the picked
//                                   sentence and parameters
//   nmea/incoming_view.cpp          view: on, paused, and the rows shown
//   nmea/realtime_view.cpp          unfinished: the sentence the real-time view's last read ended in
//   nmea/nmea_hooks.cpp             nmeaHooks: the form functions the NMEA tools call
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
