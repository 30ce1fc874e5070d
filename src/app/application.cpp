#include "app/application.h"

#include "app/wiring.h"
#include "form/main_form_build.h"
#include "link/link_state.h"
#include "link/port_scan.h"
#include "platform/port.h"
#include "render/theme.h"
#include "render/theme_presets.h"
#include "toolkit/message_loop.h"
#include "toolkit/widget.h"

namespace zor {

namespace {

// Run once the message loop has ended.
void CloseConverterPortAtExit() {
    if (converterLink.portHandle == platform::invalidPortHandle) return;
    platform::closePort(converterLink.portHandle);
}

} // namespace

void StartApplication() {
    LoadStartupTheme(theme);
    WireSubsystems();
    BuildMainForm();
    AttachExchangeHandlers();
    AttachNmeaHandlers();
    // Creating the main window clears the exit hook.
    toolkit.exitHook = CloseConverterPortAtExit;
    StartPortScan();
}

int runApplication() {
    StartApplication();
    return runMessageLoop();
}

} // namespace zor
