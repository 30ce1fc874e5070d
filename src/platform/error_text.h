// The system's own words for an error code of the seam (port.h), for what zor-config says of a file:
// strerror's words on Linux, FormatMessage's on Windows. The port backends zor-config links (posix,
// win32) implement it.
#pragma once

#include <cstdint>
#include <string>

namespace zor::platform {

// UTF-8, without the final period and line break.
std::string errorText(std::uint32_t error);

// What error::AccessDenied on opening a port means on this system, as a hint after the code: Windows
// says it for a port another program holds, Linux tells that apart and means a missing permission.
extern const char accessDeniedPortHint[];

} // namespace zor::platform
