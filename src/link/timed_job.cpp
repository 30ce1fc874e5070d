#include "link/timed_job.h"

#include "platform/window.h"

namespace zor {

namespace {
constexpr std::uintptr_t jobTimer = 1;
}

void SetJob(Widget& widget, std::uint32_t periodMs, TimedJob handler) {
    widget.onTimer = handler;
    if (widget.window != nullptr) platform::setTimer(widget.window, jobTimer, periodMs);
}

void KillJob(Widget& widget) {
    if (widget.window != nullptr) platform::killTimer(widget.window, jobTimer);
}

} // namespace zor
