// What the platform keeps between tests, forgotten: the pointer off every window, every window gone,
// and on the headless backend its serial devices (the converters of support/headless/machine.h
// among them), files, the executable's path and the log of message boxes. Under Wine the machine is
// the real one: ports and files belong to the test scripts.
#pragma once

namespace zor::testing {

void ResetTestMachine();

} // namespace zor::testing
