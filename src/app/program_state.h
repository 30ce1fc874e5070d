// The program's mutable state, all of it in one list: every global the subsystems keep, as "name:" by
// the file that owns it (the build fails on one in toolkit/ to app/ that the list misses). Widgets and
// records live for the whole run; ResetProgramState puts each back to its value at process start.
//
//   toolkit/widget.cpp              toolkit: event gate, open windows, focus, radio group being built,
//                                   default font, hooks, drawing token, a refused text being put back
//   toolkit/theme_apply.cpp         theme: the colours every top-level window copies
//   form/main_form_build.cpp        mainForm: the main window's widget records, a field's commit under
//                                   way, the path the file dialogs start from
//   form/form_model.cpp             formModel: the settings record; converterHeld: what the converter holds
//   form/realtime_view_widgets.cpp  saved: the controls' states from before the real-time view
//   link/link_state.cpp             converterLink: port, scan number, buffers, the widgets it drives
//   link/link_hooks.cpp             linkHooks: the form functions the link calls
//   link/exchange_owner.cpp         held: the exchange holding the port; ruleSeam: the tests' rules
//   link/firmware_update.cpp        firmwareTransfer: the update's packets, cursor and state
//   nmea/sentence_catalogue.cpp     sentenceCatalogue: the entries of "nmea.txt", read at start-up
//   nmea/sentence_picker.cpp        pickerWindow: the picker; sentencePicker: its widgets and choice;
//                                   captionedEntries: how many entries caption a button, set at start-up
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
