// What the form shows of the FormModel: one register set in the fields, the converter state lights and
// the status line. Used by the form's own handlers and by the link when settings arrive or a scan starts.
#pragma once

#include "toolkit/widget.h"

#include <cstdint>

namespace zor {

// Shows register set k (0..9; anything else shows 0) of the record in the fields, selects its radio, then
// shows the converter state and repaints the main window.
void ShowRegisterSet(std::int32_t k);

// The whole record in the fields: identity, the Modbus table and time-out, the baud and main function
// radios and the current register set. Whatever was typed and not taken is gone.
void ShowRecord();
// The main function radios as the record holds the function.
void ShowMainFunction();
// A check box whose click was refused, in its click handler: the toolkit turns the box over after the
// handler, so it is set the other way here and ends as the record has it.
void KeepCheckedAsRecord(Widget& box, bool recordChecked);

// One light per bit of converterStateFlags; bit 0 also takes the control output (and averaging)
// groups out of use.
void ShowConverterState();

// Every light stops blinking; the next blink tick turns them green.
void ClearIndicatorBlinks();

// The status line, and the title of the "Status" box around it.
void SetStatus(const char16_t* text);
void SetStatusTitle(const char16_t* title);

} // namespace zor
