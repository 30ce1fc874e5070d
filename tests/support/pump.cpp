#include "support/pump.h"

#include "platform/test_input.h"
#include "platform/window.h"
#include "toolkit/message_loop.h"

namespace zor::testing {

int pumpPending() {
    int handled = 0;
    platform::Message message;
    // Bounded, so that a window that keeps invalidating itself cannot hang a test.
    while (handled < 100000 && platform::peekMessage(message)) {
        if (message.message == platform::msg::Quit) break;
        handleLoopMessage(message);
        ++handled;
    }
    return handled;
}

bool pumpUntil(const std::function<bool()>& condition, std::uint32_t boundMs) {
    const std::uint64_t start = platform::testing::clockMs();
    for (;;) {
        pumpPending();
        if (condition()) return true;
        const std::uint64_t elapsed = platform::testing::clockMs() - start;
        if (elapsed >= boundMs) return false;
        platform::testing::waitForEvents(static_cast<std::uint32_t>(boundMs - elapsed));
    }
}

void pumpFor(std::uint32_t ms) {
    pumpUntil([] { return false; }, ms);
}

} // namespace zor::testing
