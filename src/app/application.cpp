#include "app/application.h"

#include "app/program_state.h"
#include "app/wiring.h"
#include "form/main_form_build.h"
#include "link/port_scan.h"
#include "platform/program_entry.h"
#include "render/theme_presets.h"
#include "toolkit/message_loop.h"
#include "toolkit/theme.h"

namespace zor {

void StartApplication() {
    ResetProgramState();
    LoadStartupTheme(theme);
    WireSubsystems();
    BuildMainForm();
    AttachHandlers();
    StartPortScan();
}

int platform::runProgram() {
    StartApplication();
    return runMessageLoop();
}

} // namespace zor
