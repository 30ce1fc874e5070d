#include "support/program_fixture.h"

#include "app/application.h"
#include "app/program_state.h"
#include "link/port_scan.h"
#include "platform/window.h"
#include "support/pump.h"
#include "support/test_machine.h"

#include <string>

namespace zor::testing {

void ProgramTest::SetUp() {
    ResetTestMachine();
    ResetProgramState();
}

void ProgramTest::TearDown() {
    closeProgram();
    ResetTestMachine(); // the converters go before the platform's own state at exit
}

void ProgramTest::startProgram() {
    StartApplication();
    platform::setForegroundWindow(mainForm.window.window);
    toolkit.eventsEnabled = true;
    pumpPending();
}

void ProgramTest::restartProgram() {
    closeProgram();
    platform::testing::mouseAway();
    startProgram();
}

void ProgramTest::closeProgram() {
    ResetProgramState();
    platform::testing::destroyAllWindows();
    pumpPending();
}

void StartedProgramTest::SetUp() {
    ProgramTest::SetUp();
    startProgram();
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

std::u16string textOf(const Widget& widget) {
    return widget.caption();
}

void sendSettings() {
    click(mainForm.commands.sendButton);
    pumpFor(1500);
}

void enterText(Widget& field, const std::u16string& text) {
    platform::setWindowText(field.editWindow, text.c_str());
    pumpPending();
}

bool connectedTo(std::int32_t number) {
    return pumpUntil(
        [number] {
            const std::u16string status = textOf(mainForm.status.line);
            const std::string digits = std::to_string(number);
            const std::u16string expected = u"COM" + std::u16string(digits.begin(), digits.end());
            return !IsScanning() && textOf(mainForm.commPort.portLabel) == expected &&
                   status.ends_with(u" bytes received OK");
        },
        30000);
}

bool statusBecomes(const std::u16string& text, std::uint32_t boundMs) {
    return pumpUntil([&] { return textOf(mainForm.status.line) == text; }, boundMs);
}

} // namespace zor::testing
