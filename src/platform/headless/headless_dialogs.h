// What tests can read of the message boxes and beeps the headless backend was asked for.
#pragma once

#include "platform/types.h"

#include <cstdint>
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
};

const std::vector<ShownBox>& shownBoxes();
const std::vector<std::pair<std::uint32_t, std::uint32_t>>& beeps();
bool graphicsRunning();
void clearDialogLog();

} // namespace zor::platform::headless
