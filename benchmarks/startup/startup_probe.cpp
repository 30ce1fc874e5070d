// Start-up and repaint of the main form, measured in a Windows program that starts as the product does.
//   startup_probe form     the program's start-up (theme, form, picker, scan), then every message
//                          handled until none is left: the form has had its first paint
//   startup_probe empty    the theme and an empty main window of the same size, the same way
//   startup_probe repaint  the form, then 50 full repaints of the main window with every child
// The first two print the wall-clock time (ms since the epoch) at which the first paint was done; the
// script benchmarks/startup/startup-under-wine subtracts the moment it launched the program. repaint
// prints the median time of one full repaint in ms.
#include "app/application.h"
#include "form/main_form.h"
#include "platform/window.h"
#include "render/theme.h"
#include "render/theme_presets.h"
#include "toolkit/message_loop.h"
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

long long epochMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

Widget emptyWindow;

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
    drain();
    if (std::strcmp(mode, "repaint") != 0) {
        std::printf("%lld\n", epochMs());
        return 0;
    }
    std::vector<double> times;
    for (int i = 0; i < 50; ++i) {
        const auto start = std::chrono::steady_clock::now();
        repaint(mainForm.window);
        drain();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("%.2f\n", times[times.size() / 2]);
    return 0;
}
