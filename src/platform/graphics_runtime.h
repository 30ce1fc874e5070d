// Start and end of the drawing library (GDI+ on Windows) for the whole process.
#pragma once

#include <cstdint>

namespace zor::platform {

bool startGraphics(std::uintptr_t& token);
void shutdownGraphics(std::uintptr_t token);

} // namespace zor::platform
