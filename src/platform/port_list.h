// The serial ports a program can try, by the names openPort takes. Ports only: no window.
#pragma once

#include <string>
#include <vector>

namespace zor::platform {

// Windows: "\\.\COM0" to "\\.\COM200", the numbers the window's scan tries (the system keeps no list
// a scan could trust). Linux: the serial devices the system lists ("/dev/ttyUSB0"...).
std::vector<std::string> listSerialPorts();

// The ports there now, for a watch that waits for adapters to be plugged in. Windows: the COM ports the
// system has at this moment; Linux: as listSerialPorts.
std::vector<std::string> listPresentSerialPorts();
// Whether the device is there now. Windows: its COM port is one of those; Linux: its path, followed
// through links (/dev/serial/by-id/...), exists.
bool serialPortPresent(const std::string& device);
// What tells two names of one device apart from two devices: Linux, the device a path leads to
// through its links; Windows, the COM port's name in upper case. The name itself when it leads nowhere.
std::string serialPortIdentity(const std::string& device);

} // namespace zor::platform
