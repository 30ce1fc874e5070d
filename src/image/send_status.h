// Status line texts of "Send Settings" (and of a save, which writes the same image to a file).
#pragma once

#include <cstdint>
#include <string>

namespace zor {

std::u16string BytesWrittenText(std::int32_t count);     // count " bytes written"
std::u16string SerialWriteFailedText(std::int32_t code); // "Error " code " (serial write failed)"

} // namespace zor
