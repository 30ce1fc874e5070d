#include "app/application.h"

#include "app/wiring.h"
#include "form/main_form_build.h"
#include "link/exchange_owner.h"
#include "link/link_state.h"
#include "link/port_scan.h"
#include "render/theme_presets.h"
#include "toolkit/message_loop.h"
#include "toolkit/theme.h"
#include "toolkit/widget.h"

namespace zor {

void StartApplication() {
    LoadStartupTheme(theme);
    WireSubsystems();
    BuildMainForm();
    AttachExchangeHandlers();
    AttachNmeaHandlers();
    // Creating the main window clears the exit hook; the port is closed once the loop has ended.
    toolkit.exitHook = CloseLinkPort;
    ResetPortOwner();
    StartPortScan();
}

int runApplication() {
    StartApplication();
    return runMessageLoop();
}

} // namespace zor
