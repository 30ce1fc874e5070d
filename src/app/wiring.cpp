#include "app/wiring.h"

#include "form/main_form.h"
#include "link/link_state.h"

namespace zor {

void WireSubsystems() {
    converterLink.widgets.mainWindow = &mainForm.window;
    converterLink.widgets.portLabel = &mainForm.commPort.portLabel;
    converterLink.widgets.rescanButton = &mainForm.commPort.rescanButton;
    converterLink.widgets.statusLine = &mainForm.status.line;
    converterLink.widgets.statusBox = &mainForm.status.box;
}

} // namespace zor
