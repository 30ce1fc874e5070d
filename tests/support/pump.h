// Running the toolkit's message handling from tests, on either backend.
#pragma once

#include <cstdint>
#include <functional>

namespace zor::testing {

// Handles every message that is there now, as the message loop would; returns how many.
int pumpPending();
// Handles messages until the condition holds or boundMs have passed (virtual time on the headless
// backend, real time under Wine). Returns whether the condition held.
bool pumpUntil(const std::function<bool()>& condition, std::uint32_t boundMs = 5000);
// Handles messages for the given time.
void pumpFor(std::uint32_t ms);

} // namespace zor::testing
