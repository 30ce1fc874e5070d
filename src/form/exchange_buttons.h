// The buttons that start converter exchanges and file operations: "Read Settings", "Send Settings",
// "Save Config" and "Open Config" (a firmware file chosen there starts the firmware update).
#pragma once

#include "toolkit/widget.h"

namespace zor {

void ReadSettingsClicked(Widget& button);
void SendSettingsClicked(Widget& button);
void SaveConfigClicked(Widget& button);
void OpenConfigClicked(Widget& button);

} // namespace zor
