#include "link/timed_job.h"

#include "platform/window.h"

namespace zor {

// Each arming runs under a new timer identifier (never 0); the window procedure drops ticks of any
// other, so a handler never runs for an arming that was killed or replaced.
void SetJob(Widget& widget, std::uint32_t periodMs, TimedJob handler) {
    widget.onTimer = handler;
    if (widget.window == nullptr) return;
    if (widget.timerRunning) platform::killTimer(widget.window, widget.timerArming);
    if (++widget.timerArming == 0) widget.timerArming = 1;
    widget.timerRunning = platform::setTimer(widget.window, widget.timerArming, periodMs);
}

void KillJob(Widget& widget) {
    if (widget.window != nullptr && widget.timerRunning)
        platform::killTimer(widget.window, widget.timerArming);
    widget.timerRunning = false;
}

bool JobArmed(const Widget& widget) {
    return widget.timerRunning;
}

} // namespace zor
