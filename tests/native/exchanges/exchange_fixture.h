// The whole program over the headless backend, with converter models on its serial ports: start-up as
// the program does it, then clicks, typing and time passing on the virtual clock.
#pragma once

#include "form/main_form.h"
#include "link/converter_port.h"
#include "support/converter_device.h"
#include "support/toolkit_fixture.h"

#include <cstdint>
#include <list>
#include <string>
#include <vector>

namespace zor::testing {

using Bytes = std::vector<std::uint8_t>;

class ExchangeTest : public ToolkitTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A converter model on "\\.\COMn", attached before the program starts or while it runs.
    ConverterDevice& converterOn(std::int32_t number);
    // Start-up, with the event gate open as the message loop opens it.
    void startProgram();
    // Until the scan has found the converter on port n and its reply was applied.
    bool connectedTo(std::int32_t number);
    // Until the status line shows this text.
    bool statusBecomes(const std::u16string& text, std::uint32_t boundMs = 5000);

    std::list<ConverterDevice> converters;
};

std::u16string textOf(const Widget& widget);
// The text the user leaves in a field, as the edit control reports it.
void enterText(Widget& field, const std::u16string& text);
bool portOpen(std::int32_t number);
// The last message box shown, or an empty text.
std::u16string lastBoxText();
std::size_t boxCount();

} // namespace zor::testing
