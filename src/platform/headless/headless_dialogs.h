// What tests can read of the message boxes and beeps the headless backend was asked for.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zor::platform::headless {

struct ShownBox {
    WindowHandle owner = nullptr;
    std::u16string text;
    std::u16string caption;
    std::uint32_t flags = 0;
    std::int32_t answer = 0; // the button it was closed with
    bool closed = false;     // false while the box is still up (its modal loop runs)
};

// The next box stays up for upForMs on the virtual clock, its modal loop dispatching what falls due
// (jobs run under the box, as on Windows), then is closed with the answer.
void answerNextBoxAfter(std::int32_t answer, std::uint32_t upForMs);

// The test's input (clicks, keys) made once the next box is up, before its modal loop runs: what a
// user does while a box stands in front of the window.
void whileNextBoxIsUp(std::function<void()> input);

const std::vector<ShownBox>& shownBoxes();
const std::vector<std::pair<std::uint32_t, std::uint32_t>>& beeps();
bool graphicsRunning();
void clearDialogLog();

} // namespace zor::platform::headless
