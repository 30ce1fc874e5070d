#include "support/form_fixture.h"

#include "app/application.h"
#include "form/form_model.h"
#include "nmea/sentence_picker.h"
#include "platform/window.h"
#include "support/pump.h"

#include <memory>

namespace zor::testing {

namespace {

void ForgetForm() {
    std::destroy_at(&mainForm);
    std::construct_at(&mainForm);
    pickerWindow.destroy();
}

} // namespace

void FormWindowTest::SetUp() {
    platform::testing::mouseAway();
    platform::testing::destroyAllWindows();
    toolkit = ToolkitState{};
    ForgetForm();
    StartApplication();
    platform::setForegroundWindow(mainForm.window.window);
    toolkit.eventsEnabled = true;
    pumpPending();
}

void FormWindowTest::TearDown() {
    ForgetForm();
    platform::testing::destroyAllWindows();
    pumpPending();
    toolkit = ToolkitState{};
    ResetFormModel(formModel);
}

Placement placementOf(const Widget& widget) {
    const platform::Rect r = platform::windowRect(widget.window);
    platform::Point topLeft{r.left, r.top};
    const platform::WindowHandle parent = platform::parentWindow(widget.window);
    if (parent != nullptr) topLeft = platform::screenToClient(parent, topLeft);
    return {topLeft.x, topLeft.y, r.right - r.left, r.bottom - r.top};
}

bool shown(const Widget& widget) {
    return widget.window != nullptr && platform::isWindowVisible(widget.window);
}

bool usable(const Widget& widget) {
    for (platform::WindowHandle w = widget.window; w != nullptr; w = platform::parentWindow(w))
        if (!platform::isWindowEnabled(w)) return false;
    return widget.window != nullptr;
}

} // namespace zor::testing
