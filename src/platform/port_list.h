// The serial ports a program can try, by the names openPort takes. Ports only: no window.
#pragma once

#include <string>
#include <vector>

namespace zor::platform {

// Windows: "\\.\COM0" to "\\.\COM200", the numbers the window's scan tries (the system keeps no list
// a scan could trust). Linux: the serial devices the system lists ("/dev/ttyUSB0"...).
std::vector<std::string> listSerialPorts();

} // namespace zor::platform
