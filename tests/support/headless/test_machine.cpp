#include "support/test_machine.h"

#include "link/converter_port.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_paths.h"
#include "platform/headless/headless_port.h"
#include "platform/test_input.h"
#include "support/headless/machine.h"

#include <list>

namespace zor::testing {
namespace {

std::list<ConverterDevice> converters;

} // namespace

void ResetTestMachine() {
    platform::testing::mouseAway();
    platform::testing::destroyAllWindows();
    platform::headless::resetPorts(); // detaches every device before the converters go
    converters.clear();
    platform::headless::resetPaths();
    platform::headless::clearDialogLog();
}

ConverterDevice& converterOn(std::int32_t number) {
    ConverterDevice& device = converters.emplace_back();
    platform::headless::attachSerialDevice(ConverterPortName(number), device);
    return device;
}

bool portOpen(std::int32_t number) {
    return platform::headless::isPortOpen(ConverterPortName(number));
}

std::u16string lastBoxText() {
    const auto& boxes = platform::headless::shownBoxes();
    return boxes.empty() ? std::u16string() : boxes.back().text;
}

std::size_t boxCount() {
    return platform::headless::shownBoxes().size();
}

} // namespace zor::testing
