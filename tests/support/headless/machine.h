// The headless machine as the whole-program tests use it: converter models on its serial ports, and
// what it records of ports and message boxes.
#pragma once

#include "support/converter_device.h"

#include <cstdint>
#include <string>

namespace zor::testing {

// A converter model on "\\.\COMn", attached before the program starts or while it runs; it lives until
// the next ResetTestMachine.
ConverterDevice& converterOn(std::int32_t number);
bool portOpen(std::int32_t number);
// The last message box shown, or an empty text.
std::u16string lastBoxText();
std::size_t boxCount();

} // namespace zor::testing
