#include "exchange_fixture.h"

#include "app/application.h"
#include "form/form_model.h"
#include "link/link_state.h"
#include "link/port_scan.h"
#include "nmea/sentence_picker.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_paths.h"
#include "platform/headless/headless_port.h"
#include "platform/window.h"

#include <memory>

namespace zor::testing {

void ExchangeTest::SetUp() {
    ToolkitTest::SetUp();
    // Fresh widget records: a program closed in the middle of an exchange leaves them as they were.
    std::destroy_at(&mainForm);
    std::construct_at(&mainForm);
    std::destroy_at(&sentencePicker);
    std::construct_at(&sentencePicker);
    pickerWindow.destroy();
    platform::headless::resetPorts();
    platform::headless::resetPaths();
    platform::headless::clearDialogLog();
    converterLink.portHandle = platform::invalidPortHandle;
    converterLink.scanPortNumber = 0;
    ResetFormModel(formModel);
}

void ExchangeTest::TearDown() {
    ToolkitTest::TearDown();
    platform::headless::resetPorts();
    converterLink.portHandle = platform::invalidPortHandle;
    converters.clear();
}

ConverterDevice& ExchangeTest::converterOn(std::int32_t number) {
    ConverterDevice& device = converters.emplace_back();
    platform::headless::attachSerialDevice(ConverterPortName(number), device);
    return device;
}

void ExchangeTest::startProgram() {
    StartApplication();
    toolkit.eventsEnabled = true;
}

bool ExchangeTest::connectedTo(std::int32_t number) {
    return pumpUntil(
        [number] {
            const std::u16string status = textOf(mainForm.status.line);
            const std::string digits = std::to_string(number);
            const std::u16string expected = u"COM" + std::u16string(digits.begin(), digits.end());
            return !IsScanning() && textOf(mainForm.commPort.portLabel) == expected &&
                   status.ends_with(u" bytes received OK");
        },
        30000);
}

bool ExchangeTest::statusBecomes(const std::u16string& text, std::uint32_t boundMs) {
    return pumpUntil([&] { return textOf(mainForm.status.line) == text; }, boundMs);
}

std::u16string textOf(const Widget& widget) {
    return widget.caption();
}

void enterText(Widget& field, const std::u16string& text) {
    platform::setWindowText(field.editWindow, text.c_str());
    pumpPending();
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
