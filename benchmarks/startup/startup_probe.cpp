// Start-up and repaint of the main form, measured in a Windows program that starts as the product does.
//   startup_probe form     the program's start-up (theme, form, catalogue, scan), then messages handled
//                          until the first timer tick, which the window system gives only once every
//                          window is painted: the form has had its first paint
//   startup_probe empty    the theme and an empty main window of the same size, the same way
//   startup_probe repaint  the form, then 50 full repaints of the main window with every child
//   startup_probe repaint-changed  the same, with every widget's background nudged before each repaint,
//                          so that no widget can show what its back buffer already holds
//   startup_probe count    the number of windows the form has at its first paint (the main window and
//                          every window in it; the picker's are made after that paint), for the
//                          yardstick of standard controls
// The first two print the wall-clock time (ms since the epoch) at which the first paint was done; the
// script benchmarks/startup/startup-under-wine subtracts the moment it launched the program. repaint
// prints the median time of one full repaint in ms.
#include "app/application.h"
#include "form/main_form.h"
#include "nmea/sentence_picker.h"
#include "platform/window.h"
#include "render/theme_presets.h"
#include "toolkit/message_loop.h"
#include "toolkit/theme.h"
#include "toolkit/widget_create.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using namespace zor;

// Handles messages until there is none left; the paint messages come last.
void drain() {
    platform::Message message;
    while (platform::peekMessage(message))
        if (message.message != platform::msg::Quit) handleLoopMessage(message);
}

// Handles messages until the first timer tick, which is left unhandled: the window system hands out a
// tick only once no window is left to paint, so the form is on screen, painted.
void drainUntilPainted() {
    platform::Message message;
    while (platform::peekMessage(message)) {
        if (message.message == platform::msg::Timer) return;
        if (message.message != platform::msg::Quit) handleLoopMessage(message);
    }
}

long long epochMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

Widget emptyWindow;

// Flips the lowest blue bit of every widget's background: each one has to be drawn afresh.
void nudgeEveryWidget() {
    for (platform::WindowHandle child : platform::descendantWindows(mainForm.window.window))
        if (Widget* w = Widget::fromWindow(child)) w->ctbg ^= 0x00000001u;
}

} // namespace

int main(int argc, char** argv) {
    const char* mode = argc > 1 ? argv[1] : "form";
    if (std::strcmp(mode, "empty") == 0) {
        LoadStartupTheme(theme);
        createMainWindow(emptyWindow, 100, 100, 1080, 650, u"Empty");
    } else {
        StartApplication();
    }
    toolkit.eventsEnabled = true;
    const bool startUp = std::strcmp(mode, "form") == 0 || std::strcmp(mode, "empty") == 0;
    if (startUp) {
        drainUntilPainted();
        std::printf("%lld\n", epochMs());
        return 0;
    }
    if (std::strcmp(mode, "count") == 0) {
        drainUntilPainted();
        std::size_t windows = platform::descendantWindows(mainForm.window.window).size() + 1;
        if (pickerWindow.window != nullptr)
            windows += platform::descendantWindows(pickerWindow.window).size() + 1;
        std::printf("%zu\n", windows);
        return 0;
    }
    // The picker is made once the form has painted; here it is made before anything is measured.
    drain();
    EnsureSentencePicker();
    drain();
    const bool changed = std::strcmp(mode, "repaint-changed") == 0;
    std::vector<double> times;
    for (int i = 0; i < 50; ++i) {
        if (changed) nudgeEveryWidget();
        const auto start = std::chrono::steady_clock::now();
        repaint(mainForm.window);
        drain();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("%.2f\n", times[times.size() / 2]);
    return 0;
}
