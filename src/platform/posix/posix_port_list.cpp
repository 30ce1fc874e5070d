// The serial ports Linux lists, through libserialport. Implements platform/port_list.h.
#include "platform/port_list.h"

#include <libserialport.h>
#include <sys/stat.h>

namespace zor::platform {

std::vector<std::string> listSerialPorts() {
    std::vector<std::string> names;
    sp_port** ports = nullptr;
    if (sp_list_ports(&ports) != SP_OK) return names;
    for (sp_port** p = ports; *p != nullptr; ++p)
        names.emplace_back(sp_get_port_name(*p));
    sp_free_port_list(ports);
    return names;
}

std::vector<std::string> listPresentSerialPorts() {
    return listSerialPorts();
}

bool serialPortPresent(const std::string& device) {
    struct stat status {};
    return stat(device.c_str(), &status) == 0;
}

std::string serialPortIdentity(const std::string& device) {
    struct stat status {};
    if (stat(device.c_str(), &status) != 0) return device;
    return "device " + std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino);
}

} // namespace zor::platform
