#include "support/application_lifetime.h"

#include "app/program_state.h"
#include "platform/test_input.h"
#include "platform/window.h"
#include "support/pump.h"
#include "toolkit/message_loop.h"

namespace zor::testing {

void enterLoop() {
    beginMessageLoop();
}

void closeApplication(Widget& mainWindow, std::span<Widget* const> widgets) {
    platform::testing::mouseAway();
    if (mainWindow.window != nullptr) platform::destroyWindow(mainWindow.window);
    pumpPending(); // stops at the quit message the main window's destruction posted
    endMessageLoop();
    for (Widget* w : widgets) {
        w->destroy();
        w->construct();
    }
    mainWindow.destroy();
    mainWindow.construct();
    platform::testing::destroyAllWindows();
    ResetProgramState();
}

} // namespace zor::testing
