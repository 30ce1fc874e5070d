// The form while the real-time parameter view runs: fourteen of its controls are out of use, and
// afterwards every widget inside them is as it was before, not enabled wholesale.
#pragma once

namespace zor {

void EnterRealtimeViewWidgets();
void LeaveRealtimeViewWidgets();
// Forgets the states kept for the view without giving them back: a new start of the program.
void ForgetRealtimeViewWidgets();

} // namespace zor
