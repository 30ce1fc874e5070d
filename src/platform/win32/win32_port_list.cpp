// The ports a scan tries on Windows. Implements platform/port_list.h.
#include "platform/port_list.h"

namespace zor::platform {

std::vector<std::string> listSerialPorts() {
    std::vector<std::string> names;
    for (int n = 0; n <= 200; ++n)
        names.push_back("\\\\.\\COM" + std::to_string(n));
    return names;
}

} // namespace zor::platform
