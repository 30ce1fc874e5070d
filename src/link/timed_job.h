// Timed jobs: a handler attached to the one timer every widget owns. Converter exchanges run as
// chains of such jobs on the main window's timer, one bounded step per tick.
#pragma once

#include "toolkit/widget.h"

#include <cstdint>

namespace zor {

// Stores the handler in the widget's timer slot and (re)starts timer 1 of its window with the period.
void SetJob(Widget& widget, std::uint32_t periodMs, TimedJob handler);
// Stops timer 1 of the widget's window; the handler stays in the slot.
void KillJob(Widget& widget);

} // namespace zor
