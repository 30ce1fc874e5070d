// Message boxes, the beep, and the program's own path.
#pragma once

#include "platform/types.h"

#include <cstdint>

namespace zor::platform {

namespace box {
inline constexpr std::uint32_t Ok = 0x00000000;
inline constexpr std::uint32_t IconError = 0x00000010;
inline constexpr std::uint32_t IconWarning = 0x00000030;
inline constexpr std::uint32_t IconInformation = 0x00000040;
} // namespace box

// Shows a modal message box and returns the button pressed (1 for OK).
std::int32_t messageBox(WindowHandle owner, const char16_t* text, const char16_t* caption,
                        std::uint32_t flags);
void beep(std::uint32_t frequencyHz, std::uint32_t durationMs);

} // namespace zor::platform
