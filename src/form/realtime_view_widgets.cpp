#include "form/realtime_view_widgets.h"

#include "form/form_display.h"
#include "form/main_form.h"
#include "platform/window.h"
#include "toolkit/layout.h"
#include "toolkit/message_loop.h"

#include <vector>

namespace zor {
namespace {

// Disabled in this order; "Main Function" and "Clear Config" stay in use.
Widget* const viewDisabled[] = {
    &mainForm.registerSets.group,
    &mainForm.sentence.sentenceIdGroup,
    &mainForm.controlOutput.group,
    &mainForm.averaging.group,
    &mainForm.commPort.group,
    &mainForm.identity.addressGroup,
    &mainForm.identity.serialNumberGroup,
    &mainForm.sentence.parameterGroup,
    &mainForm.commands.restartButton,
    &mainForm.commands.testLedsButton,
    &mainForm.commands.openButton,
    &mainForm.commands.saveButton,
    &mainForm.commands.readButton,
    &mainForm.commands.sendButton,
};

// A window inside the disabled controls as it was before the view: whether it took input and, for a
// widget, how it looked.
struct SavedWindow {
    platform::WindowHandle window = nullptr;
    bool windowEnabled = true;
    Widget* widget = nullptr;
    std::int32_t visualState = Normal;
};

struct SavedControl {
    Widget* control = nullptr;
    bool enabled = true;
    std::vector<SavedWindow> windows;
};

std::vector<SavedControl> saved;

SavedWindow remember(platform::WindowHandle window) {
    SavedWindow entry;
    entry.window = window;
    entry.windowEnabled = platform::isWindowEnabled(window);
    if (!isEditControl(window)) entry.widget = Widget::fromWindow(window);
    if (entry.widget != nullptr) entry.visualState = entry.widget->visualState;
    return entry;
}

} // namespace

void EnterRealtimeViewWidgets() {
    if (!saved.empty()) return; // already in the view: keep the states from before it
    for (Widget* control : viewDisabled) {
        SavedControl entry{control, control->enabled, {}};
        if (control->window != nullptr) {
            entry.windows.push_back(remember(control->window));
            for (platform::WindowHandle inner : platform::descendantWindows(control->window))
                entry.windows.push_back(remember(inner));
        }
        saved.push_back(std::move(entry));
    }
    for (Widget* control : viewDisabled)
        setEnabled(*control, false);
    SetStatusTitle(u"Real Time Parameter View (click to exit)");
}

void LeaveRealtimeViewWidgets() {
    for (SavedControl& entry : saved) {
        for (const SavedWindow& window : entry.windows) {
            platform::enableWindow(window.window, window.windowEnabled);
            // A widget shown or hidden during the view keeps its new look.
            if (window.widget != nullptr && window.widget->visualState == Disabled)
                window.widget->visualState = window.visualState;
        }
        entry.control->enabled = entry.enabled;
        repaint(*entry.control);
    }
    saved.clear();
    SetStatusTitle(u"Status");
}

void ForgetRealtimeViewWidgets() {
    saved.clear();
}

} // namespace zor
