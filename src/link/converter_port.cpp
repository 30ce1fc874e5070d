#include "link/converter_port.h"

namespace zor {

std::string ConverterPortName(std::int32_t number) {
    return std::string("\\\\.\\COM") + std::to_string(number);
}

platform::PortOpenResult OpenConverterPort(std::int32_t number) {
    return platform::openPort(ConverterPortName(number).c_str());
}

LineSetup SetConverterLine(platform::PortHandle port) {
    LineSetup setup;
    const platform::CommSettingsResult current = platform::readCommSettings(port);
    if (!current.ok()) setup.readSettingsError = current.error;
    platform::CommSettings settings = current.settings;
    settings.baudRate = converterBaudRate;
    settings.byteSize = converterByteSize;
    settings.parity = converterParity;
    settings.stopBits = converterStopBits;
    setup.applied = platform::applyCommSettings(port, settings);
    return setup;
}

platform::PortResult SetConverterTimeouts(platform::PortHandle port) {
    return platform::setCommTimeouts(port, converterTimeouts);
}

} // namespace zor
