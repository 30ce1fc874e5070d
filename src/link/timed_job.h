// Timed jobs: a handler attached to the one timer every widget owns. Converter exchanges run as
// chains of such jobs on the main window's timer, one bounded step per tick.
#pragma once

#include "toolkit/widget.h"

#include <cstdint>

namespace zor {

// Stores the handler in the widget's timer slot and (re)starts the widget's timer with the period.
void SetJob(Widget& widget, std::uint32_t periodMs, TimedJob handler);
// Stops the widget's timer; the handler stays in the slot and is never called again, even for a tick
// the window system had already queued, until SetJob arms it anew.
void KillJob(Widget& widget);
// A job is armed on the widget: its timer runs.
bool JobArmed(const Widget& widget);

} // namespace zor
