// Whether a standard stream goes to a terminal: zor-config draws its progress bar and rings its bell
// only there, never into a file or a pipe. Each backend asks its C runtime; only zor-config uses it,
// so each backend's file is compiled into zor-config alone.
#pragma once

namespace zor::platform {

enum class StandardStream { Output, Error };

bool isTerminal(StandardStream stream);

} // namespace zor::platform
