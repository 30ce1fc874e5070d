// The buttons that start converter exchanges and file operations: "Read Settings", "Send Settings",
// "Save Config" and "Open Config" (a firmware file chosen there starts the firmware update).
#pragma once

#include "link/reply_outcome.h"
#include "toolkit/widget.h"

namespace zor {

void ReadSettingsClicked(Widget& button);
// "Send Settings" asks the converter on the port who it is first (the query); SendChecked has its reply
// recognised (nothing found when none came): the settings are written to the converter they were read from,
// or to another one only when the technician confirms, and that one keeps its own serial number.
void SendSettingsClicked(Widget& button);
void SendChecked(const ReplyOutcome& reply);
void SaveConfigClicked(Widget& button);
void OpenConfigClicked(Widget& button);

} // namespace zor
